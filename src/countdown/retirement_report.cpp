#include "countdown/retirement_report.h"
