#include "datetime/date_parse.h"
