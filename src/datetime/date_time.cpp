#include "datetime/date_time.h"
