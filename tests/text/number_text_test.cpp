#include "text/number_text.h"

#include <gtest/gtest.h>
