// Every way of closing LoginWindow ends the program with exit code 0.
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

enum class Way {
  EscapeInEdit1,
  EscapeInEdit2,
  EscapeOnButton,
  AltF4,
  CloseButton,
  SystemMenu,
  CloseMessage
};

struct Closing {
  const char* name;
  Way way;
};

void PrintTo(const Closing& closing, std::ostream* out) {
  *out << closing.name;
}

class Close : public ProgramTest, public testing::WithParamInterface<Closing> {
 protected:
  void CloseBy(Way way) {
    POINT point;
    switch (way) {
      case Way::EscapeInEdit1:
      case Way::EscapeInEdit2:
      case Way::EscapeOnButton:
        ASSERT_TRUE(TabTo(way == Way::EscapeInEdit1   ? kEdit1
                          : way == Way::EscapeInEdit2 ? kEdit2
                                                      : kButton));
        PressKey(VK_ESCAPE);
        break;
      case Way::AltF4:
        PressChord(VK_MENU, VK_F4);
        break;
      case Way::CloseButton:
        ASSERT_TRUE(FindHit(HTCLOSE, point));
        ClickAt(point);
        break;
      case Way::SystemMenu:
        // A click on the icon opens the system menu; C is the mnemonic of
        // its item Close.
        ASSERT_TRUE(FindHit(HTSYSMENU, point));
        ClickAt(point);
        ASSERT_TRUE(WaitFor([&] {
          return FindWindowA("#32768", nullptr) != nullptr &&
                 IsWindowVisible(FindWindowA("#32768", nullptr));
        })) << "the system menu did not open";
        PressKey('C');
        break;
      case Way::CloseMessage:
        PostMessageA(program.window(), WM_CLOSE, 0, 0);
        break;
    }
  }
};

TEST_P(Close, EndsTheProgramWithExitCodeZero) {
  ASSERT_NO_FATAL_FAILURE(CloseBy(GetParam().way));
  DWORD code = 1234;
  ASSERT_TRUE(program.WaitForExit(code)) << "the program did not end";
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(IsWindow(program.window()));
}

INSTANTIATE_TEST_SUITE_P(
    , Close,
    testing::Values(Closing{"EscapeInEdit1", Way::EscapeInEdit1},
                    Closing{"EscapeInEdit2", Way::EscapeInEdit2},
                    Closing{"EscapeOnButton", Way::EscapeOnButton},
                    Closing{"AltF4", Way::AltF4},
                    Closing{"CloseButton", Way::CloseButton},
                    Closing{"SystemMenuClose", Way::SystemMenu},
                    Closing{"WmClose", Way::CloseMessage}),
    [](const auto& test) { return std::string(test.param.name); });

using EndSession = ProgramTest;

TEST_F(EndSession, QueryIsAnsweredYes) {
  DWORD_PTR answer = 0;
  ASSERT_NE(SendMessageTimeoutA(program.window(), WM_QUERYENDSESSION, 0, 0,
                                SMTO_ABORTIFHUNG, kWaitMs, &answer),
            0);
  EXPECT_EQ(answer, static_cast<DWORD_PTR>(TRUE));
  EXPECT_TRUE(program.Alive());
}

}  // namespace
