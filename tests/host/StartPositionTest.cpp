#include <gtest/gtest.h>

#include <ostream>

#include "login/LoginForm.h"
#include "platform/StartPosition.h"

namespace {

struct ScreenCase {
  Size screen;
  Point start;
};

void PrintTo(const ScreenCase& value, std::ostream* os) {
  *os << value.screen.width << "x" << value.screen.height;
}

class CentredStart : public testing::TestWithParam<ScreenCase> {};

TEST_P(CentredStart, HalvesTheSpareRoomTowardZero) {
  const Point start = StartPosition(kLoginWindowForm, GetParam().screen);
  EXPECT_EQ(start.x, GetParam().start.x);
  EXPECT_EQ(start.y, GetParam().start.y);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CentredStart,
    testing::Values(
        ScreenCase{{1024, 768}, {322, 286}},
        ScreenCase{{1366, 768}, {493, 286}},
        ScreenCase{{1920, 1080}, {770, 442}},
        // Smaller than the window: -81 / 2 and -45 / 2 truncate toward zero.
        ScreenCase{{299, 150}, {-40, -22}},
        // One pixel short: -1 / 2 is 0, not -1.
        ScreenCase{{379, 194}, {0, 0}}, ScreenCase{{378, 193}, {-1, -1}},
        ScreenCase{{380, 195}, {0, 0}}));

TEST(StartPosition, DescribedPlacementKeepsTheFormsPosition) {
  FormDescription form = kLoginWindowForm;
  form.settings.start = StartPlacement::AsDescribed;
  const Point start = StartPosition(form, {1024, 768});
  EXPECT_EQ(start.x, 50);
  EXPECT_EQ(start.y, 50);
}

}  // namespace
