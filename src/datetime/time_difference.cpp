#include "datetime/time_difference.h"
