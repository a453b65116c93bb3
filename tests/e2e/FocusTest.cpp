// The focus and the keys of LoginWindow: where the focus starts, how Tab
// and Shift+Tab move it, that Enter does nothing, that the password box
// shows what is typed, and that minimising and the frame keep it.
#include "tests/e2e/Capture.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

const char* NameOf(int index) {
  static const char* const kNames[] = {"Label1", "Label2", "Edit1", "Edit2",
                                       "Button1"};
  return kNames[index];
}

using Focus = ProgramTest;

TEST_F(Focus, StartsInEdit1WithTheCaretAtTheStart) {
  EXPECT_TRUE(WaitForFocus(kEdit1));
  DWORD start = 1, end = 1;
  SendMessageA(control(kEdit1), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

struct Cycle {
  const char* name;
  bool shift;
  int order[4];
};

void PrintTo(const Cycle& cycle, std::ostream* out) { *out << cycle.name; }

class TabCycle : public ProgramTest,
                 public testing::WithParamInterface<Cycle> {};

TEST_P(TabCycle, VisitsTheThreeStopsInOrderAndComesBack) {
  const Cycle& cycle = GetParam();
  ASSERT_TRUE(WaitForFocus(cycle.order[0]));
  for (int step = 1; step < 4; ++step) {
    if (cycle.shift) {
      PressChord(VK_SHIFT, VK_TAB);
    } else {
      PressKey(VK_TAB);
    }
    EXPECT_TRUE(WaitForFocus(cycle.order[step]))
        << "step " << step << " should reach " << NameOf(cycle.order[step]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    , TabCycle,
    testing::Values(Cycle{"Tab", false, {kEdit1, kEdit2, kButton, kEdit1}},
                    Cycle{"ShiftTab", true, {kEdit1, kButton, kEdit2, kEdit1}}),
    [](const auto& test) { return std::string(test.param.name); });

int After(int index) { return index == kButton ? kEdit1 : index + 1; }

class FocusedControl : public ProgramTest,
                       public testing::WithParamInterface<int> {};

// Tab after Enter shows that Enter has been handled: had Enter opened a
// message box, the box would take the Tab.
TEST_P(FocusedControl, EnterChangesNothing) {
  Program::SetText(control(kEdit1), "ab");
  Program::SetText(control(kEdit2), "cd");
  ASSERT_TRUE(TabTo(GetParam()));
  PressKey(VK_RETURN);
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitForFocus(After(GetParam())));
  EXPECT_TRUE(program.MessageBoxes().empty());
  EXPECT_EQ(program.TextOf(kEdit1), "ab");
  EXPECT_EQ(program.TextOf(kEdit2), "cd");
  EXPECT_TRUE(program.Alive());
}

TEST_P(FocusedControl, MinimiseAndRestoreGiveTheFocusBack) {
  ASSERT_TRUE(TabTo(GetParam()));
  POINT minimise;
  ASSERT_TRUE(FindHit(HTREDUCE, minimise));
  ClickAt(minimise);
  ASSERT_TRUE(WaitFor([&] { return IsIconic(program.window()) != FALSE; }));
  // What the taskbar does when its button is clicked.
  PostMessageA(program.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(program.window()); }));
  EXPECT_TRUE(WaitForFocus(GetParam()))
      << "focus on " << program.Focus() << ", window " << program.window()
      << ", edit1 " << control(kEdit1);
  EXPECT_EQ(GetForegroundWindow(), program.window());
}

INSTANTIATE_TEST_SUITE_P(, FocusedControl,
                         testing::Values(kEdit1, kEdit2, kButton),
                         [](const auto& test) {
                           return std::string(NameOf(test.param));
                         });

TEST_F(Focus, PasswordBoxShowsTypedTextInClear) {
  const std::string text = "W1iM7q";
  ASSERT_TRUE(WaitForFocus(kEdit1));
  ASSERT_TRUE(TypeInFocus(kEdit1, text));
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitForFocus(kEdit2));
  ASSERT_TRUE(TypeInFocus(kEdit2, text));
  PressKey(VK_TAB);  // no caret in either box
  ASSERT_TRUE(WaitForFocus(kButton));
  MoveMouseTo({0, 0});
  EXPECT_NE(InkBounds(CaptureClient(control(kEdit2)), 0).right, 0)
      << "nothing is drawn in the box";
  EXPECT_TRUE(WaitFor([&] {
    return CaptureClient(control(kEdit2)) == CaptureClient(control(kEdit1));
  })) << "编辑框2 does not show its text as 编辑框1 does";
}

TEST_F(Focus, ClickOnALabelTakesNoFocus) {
  ASSERT_TRUE(WaitForFocus(kEdit1));
  ClickAt(CentreOf(control(kLabel2)));
  PressKey(VK_TAB);
  EXPECT_TRUE(WaitForFocus(kEdit2));
}

using Frame = ProgramTest;

TEST_F(Frame, HasNoSizingBorderAndCannotBeDraggedLarger) {
  RECT before;
  GetWindowRect(program.window(), &before);
  // No point of the outer two pixels of any edge is a sizing border.
  const auto isNotSizingBorder = [&](LONG x, LONG y) {
    const LRESULT hit =
        SendMessageA(program.window(), WM_NCHITTEST, 0,
                     MAKELPARAM(static_cast<short>(x), static_cast<short>(y)));
    return !(hit >= HTLEFT && hit <= HTBOTTOMRIGHT);
  };
  for (LONG x = before.left; x < before.right; ++x) {
    for (LONG y :
         {before.top, before.top + 1, before.bottom - 2, before.bottom - 1}) {
      ASSERT_TRUE(isNotSizingBorder(x, y)) << x << "," << y;
    }
  }
  for (LONG y = before.top; y < before.bottom; ++y) {
    for (LONG x :
         {before.left, before.left + 1, before.right - 2, before.right - 1}) {
      ASSERT_TRUE(isNotSizingBorder(x, y)) << x << "," << y;
    }
  }
  DragFromTo({before.right - 1, before.bottom - 1},
             {before.right + 60, before.bottom + 40});
  PressKey(VK_TAB);  // handled only after the drag
  ASSERT_TRUE(WaitForFocus(kEdit2));
  RECT after;
  GetWindowRect(program.window(), &after);
  EXPECT_EQ(after.right - after.left, 380);
  EXPECT_EQ(after.bottom - after.top, 195);
}

TEST_F(Frame, DoubleClickOnTheTitleBarDoesNotMaximise) {
  RECT before;
  GetWindowRect(program.window(), &before);
  POINT caption;
  ASSERT_TRUE(FindHit(HTCAPTION, caption));
  DoubleClickAt(caption);
  PressKey(VK_TAB);  // handled only after the double click
  ASSERT_TRUE(WaitForFocus(kEdit2));
  EXPECT_FALSE(IsZoomed(program.window()));
  RECT after;
  GetWindowRect(program.window(), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
}

}  // namespace
