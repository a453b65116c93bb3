#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <ostream>

#include "platform/MessageStyle.h"

namespace {

struct StyleCase {
  std::uint32_t requested;
  std::uint32_t shown;
};

void PrintTo(const StyleCase& value, std::ostream* os) {
  *os << std::hex << "0x" << value.requested;
}

class MessageBoxStyleTest : public testing::TestWithParam<StyleCase> {};

TEST_P(MessageBoxStyleTest, IsTaskModalUnlessSystemModal) {
  EXPECT_EQ(MessageBoxStyle(GetParam().requested), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MessageBoxStyleTest,
    testing::Values(StyleCase{0x0000, 0x2000},  // MB_OK
                    StyleCase{0x0040, 0x2040},  // with an icon
                    StyleCase{0x1000, 0x1000},  // MB_SYSTEMMODAL kept
                    StyleCase{0x2000, 0x2000}, StyleCase{0x1024, 0x1024}));

TEST(MessageCaption, DefaultsWhenNoneIsGiven) {
  EXPECT_STREQ(MessageCaption(nullptr),
               "\xD0\xC5\xCF\xA2\xA3\xBA");  // "信息："
  const char given[] = "x";
  EXPECT_EQ(MessageCaption(given), given);
  EXPECT_STREQ(MessageCaption(""), "");  // an empty caption is a caption
}

}  // namespace
