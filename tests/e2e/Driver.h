// What every end-to-end test shares: its own copy of the program, started
// before the test, and the steps a person takes with it.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/Program.h"

// The texts as bytes in code page 936.
namespace bytes {
inline const std::string kCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";  // 信息：
inline const std::string kEmpty =  // 请输入账号和密码
    "\xC7\xEB\xCA\xE4\xC8\xEB\xD5\xCB\xBA\xC5\xBA\xCD\xC3\xDC\xC2\xEB";
inline const std::string kAccepted =  // 恭喜你，你破解成功了！
    "\xB9\xA7\xCF\xB2\xC4\xE3\xA3\xAC\xC4\xE3\xC6\xC6\xBD\xE2\xB3\xC9\xB9\xA6"
    "\xC1\xCB\xA3\xA1";
inline const std::string kRefused =  // 登录失败，再来！
    "\xB5\xC7\xC2\xBC\xCA\xA7\xB0\xDC\xA3\xAC\xD4\xD9\xC0\xB4\xA3\xA1";
inline const std::string kLabel1 = "\xB5\xC7\xC2\xBC\xD5\xCB\xBA\xC5\xA3\xBA";
inline const std::string kLabel2 = "\xB5\xC7\xC2\xBC\xC3\xDC\xC2\xEB\xA3\xBA";
inline const std::string kButton = "\xB5\xC7\xC2\xBC";  // 登录
}  // namespace bytes

// What a message box shows, as read from outside.
struct BoxContent {
  std::string caption;
  std::string text;
  int buttons = 0;        // visible buttons
  bool okButton = false;  // one of them is OK
  bool icon = false;      // an icon is drawn beside the text
  HWND owner = nullptr;
};
BoxContent Inspect(HWND box);

class ProgramTest : public testing::Test {
 protected:
  void SetUp() override { StartFrom("VANTREL_EXE"); }
  void StartFrom(const char* variable);

  HWND control(int index) const { return program.control(index); }
  bool WaitForFocus(int index) const;
  // Moves the focus with Tab from where it is to the control; false when
  // the focus does not arrive.
  bool TabTo(int index) const;
  // Types into the control that has the focus and waits for the text.
  bool TypeInFocus(int index, const std::string& text) const;
  // Closes the one message box with Enter and waits until it is gone and
  // LoginWindow takes input again.
  bool CloseBoxWithEnter(HWND box) const;
  // A point of LoginWindow's frame where the window reports the hit-test
  // code (HTCLOSE, HTCAPTION, ...); false when there is none.
  bool FindHit(LRESULT code, POINT& where) const;

  Program program;
};
