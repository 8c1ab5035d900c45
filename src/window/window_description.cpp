#include "window/window_description.h"
