#include <gtest/gtest.h>
#include "services.h"
TEST(Services, Placeholder) { EXPECT_EQ(vb::__vbaFpI2(19.0), 19); }
