#include "NumberText.h"

#include <gtest/gtest.h>

namespace tarvo {
namespace {

TEST(NumberText, WritesThreeDigitExponents) { EXPECT_EQ(FormatGeneral(1e16), "1e+016"); }

} // namespace
} // namespace tarvo
