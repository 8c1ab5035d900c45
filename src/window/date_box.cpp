#include "window/date_box.h"
