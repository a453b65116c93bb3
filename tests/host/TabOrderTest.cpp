#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "login/LoginForm.h"
#include "platform/FormLookup.h"
#include "platform/TabOrder.h"

namespace {

// The login window's controls, all alive, visible and enabled.
std::vector<TabCandidate> LoginCandidates() {
  std::vector<TabCandidate> candidates;
  for (const ControlDescription& control : kLoginWindowForm.controls) {
    candidates.push_back({control.tabStop, control.tabOrder});
  }
  return candidates;
}

int Index(ControlNumber number) {
  return FindControl(kLoginWindowForm, number);
}

struct Move {
  int from;
  TabDirection direction;
  int to;
};

void PrintTo(const Move& value, std::ostream* os) {
  *os << value.from
      << (value.direction == TabDirection::Forward ? " forward" : " backward");
}

class LoginTabOrder : public testing::TestWithParam<Move> {};

TEST_P(LoginTabOrder, CyclesThroughBoxesAndButton) {
  const std::vector<TabCandidate> candidates = LoginCandidates();
  EXPECT_EQ(NextTabStop(candidates, GetParam().from, GetParam().direction),
            GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, LoginTabOrder,
    testing::Values(
        Move{Index(编辑框1), TabDirection::Forward, Index(编辑框2)},
        Move{Index(编辑框2), TabDirection::Forward, Index(按钮1)},
        Move{Index(按钮1), TabDirection::Forward, Index(编辑框1)},
        Move{Index(编辑框1), TabDirection::Backward, Index(按钮1)},
        Move{Index(按钮1), TabDirection::Backward, Index(编辑框2)},
        Move{Index(编辑框2), TabDirection::Backward, Index(编辑框1)},
        // From the window itself or a label: the first or last stop.
        Move{kNoTabStop, TabDirection::Forward, Index(编辑框1)},
        Move{kNoTabStop, TabDirection::Backward, Index(按钮1)},
        Move{Index(标签1), TabDirection::Forward, Index(编辑框1)}));

TEST(TabOrder, FirstStopOfLoginWindowIsTheAccountBox) {
  EXPECT_EQ(NextTabStop(LoginCandidates(), kNoTabStop, TabDirection::Forward),
            Index(编辑框1));
}

TEST(TabOrder, SkipsControlsThatCannotTakeTheFocus) {
  std::vector<TabCandidate> candidates = LoginCandidates();
  candidates[static_cast<std::size_t>(Index(编辑框2))].isTabStop =
      false;  // disabled or hidden
  EXPECT_EQ(NextTabStop(candidates, Index(编辑框1), TabDirection::Forward),
            Index(按钮1));
  EXPECT_EQ(NextTabStop(candidates, Index(按钮1), TabDirection::Backward),
            Index(编辑框1));
}

TEST(TabOrder, OrdersByValueThenCreationOrder) {
  const std::vector<TabCandidate> candidates{
      {true, 5}, {true, 1}, {false, 0}, {true, 1}};
  EXPECT_EQ(NextTabStop(candidates, kNoTabStop, TabDirection::Forward), 1);
  EXPECT_EQ(NextTabStop(candidates, 1, TabDirection::Forward), 3);
  EXPECT_EQ(NextTabStop(candidates, 3, TabDirection::Forward), 0);
  EXPECT_EQ(NextTabStop(candidates, 0, TabDirection::Forward), 1);
  EXPECT_EQ(NextTabStop(candidates, 1, TabDirection::Backward), 0);
  EXPECT_EQ(NextTabStop(candidates, 0, TabDirection::Backward), 3);
}

TEST(TabOrder, OneStopStaysAndNoStopGivesNone) {
  const std::vector<TabCandidate> one{{false, 0}, {true, 0}};
  EXPECT_EQ(NextTabStop(one, 1, TabDirection::Forward), 1);
  EXPECT_EQ(NextTabStop(one, 1, TabDirection::Backward), 1);
  const std::vector<TabCandidate> none{{false, 0}, {false, 0}};
  EXPECT_EQ(NextTabStop(none, kNoTabStop, TabDirection::Forward), kNoTabStop);
  EXPECT_EQ(NextTabStop({}, kNoTabStop, TabDirection::Forward), kNoTabStop);
}

}  // namespace
