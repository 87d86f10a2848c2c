#include <gtest/gtest.h>
#include "form1.h"
TEST(Command1Click, Placeholder) { SUCCEED(); }
