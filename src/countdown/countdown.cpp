#include "countdown/countdown.h"
