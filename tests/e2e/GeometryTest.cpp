// Where LoginWindow stands on desktops of several sizes. Each case runs in
// a Wine session whose virtual desktop has its size.
#include <cstdio>

#include "tests/e2e/Driver.h"

namespace {

struct Placement {
  int screenWidth, screenHeight;
  int left, top;
};

class Geometry : public ProgramTest,
                 public testing::WithParamInterface<Placement> {};

TEST_P(Geometry, OuterRectangleIsCentredAndKeepsItsSize) {
  const Placement& expected = GetParam();
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), expected.screenWidth);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), expected.screenHeight);
  RECT outer;
  ASSERT_TRUE(GetWindowRect(program.window(), &outer));
  EXPECT_EQ(outer.left, expected.left);
  EXPECT_EQ(outer.top, expected.top);
  EXPECT_EQ(outer.right - outer.left, 380);
  EXPECT_EQ(outer.bottom - outer.top, 195);
}

INSTANTIATE_TEST_SUITE_P(, Geometry,
                         testing::Values(Placement{1024, 768, 322, 286},
                                         Placement{1366, 768, 493, 286},
                                         Placement{1920, 1080, 770, 442},
                                         Placement{299, 150, -40, -22}),
                         [](const testing::TestParamInfo<Placement>& test) {
                           char name[32];
                           std::snprintf(name, sizeof name, "Desktop%dx%d",
                                         test.param.screenWidth,
                                         test.param.screenHeight);
                           return std::string(name);
                         });

}  // namespace
