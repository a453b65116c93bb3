// While a message box of the check is open, LoginWindow takes no input.
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

using Modal = ProgramTest;

TEST_F(Modal, ClickOnTheButtonOpensNoSecondBoxAndEscapeClosesOnlyTheBox) {
  ClickAt(CentreOf(control(kButton)));
  HWND box = program.WaitForMessageBox();
  ASSERT_NE(box, nullptr);
  // Out of the way of the button, so that the click reaches LoginWindow.
  SetWindowPos(box, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT boxRect, buttonRect, overlap;
  ASSERT_TRUE(WaitFor([&] {
    GetWindowRect(box, &boxRect);
    GetWindowRect(control(kButton), &buttonRect);
    return !IntersectRect(&overlap, &boxRect, &buttonRect);
  }));
  ClickAt(CentreOf(control(kButton)));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(box); }))
      << "Escape did not close the box";
  ASSERT_TRUE(WaitForFocus(kButton));
  PressKey(VK_TAB);  // handled after the click and Escape
  EXPECT_TRUE(WaitForFocus(kEdit1));
  EXPECT_TRUE(program.MessageBoxes().empty());
  EXPECT_TRUE(IsWindowVisible(program.window()));
  EXPECT_TRUE(IsWindowEnabled(program.window()));
  EXPECT_TRUE(program.Alive());
}

}  // namespace
