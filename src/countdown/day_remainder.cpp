#include "countdown/day_remainder.h"
