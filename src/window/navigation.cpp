#include "window/navigation.h"
