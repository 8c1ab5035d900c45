#include "datetime/date_text.h"
