#include "tests/e2e/Driver.h"

#include "tests/e2e/Input.h"

namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconId = 0x440;

struct Buttons {
  int visible = 0;
  bool ok = false;
};

BOOL CALLBACK CountButton(HWND child, LPARAM param) {
  auto* buttons = reinterpret_cast<Buttons*>(param);
  char name[32] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Button") == 0 && IsWindowVisible(child)) {
    ++buttons->visible;
    if (GetDlgCtrlID(child) == IDOK) buttons->ok = true;
  }
  return TRUE;
}

}  // namespace

BoxContent Inspect(HWND box) {
  BoxContent content;
  content.caption = Program::Text(box);
  content.text = Program::Text(GetDlgItem(box, kMessageTextId));
  Buttons buttons;
  EnumChildWindows(box, CountButton, reinterpret_cast<LPARAM>(&buttons));
  content.buttons = buttons.visible;
  content.okButton = buttons.ok;
  HWND icon = GetDlgItem(box, kMessageIconId);
  content.icon = icon != nullptr && IsWindowVisible(icon) &&
                 SendMessageA(icon, STM_GETICON, 0, 0) != 0;
  content.owner = GetWindow(box, GW_OWNER);
  return content;
}

void ProgramTest::StartFrom(const char* variable) {
  std::string error;
  ASSERT_TRUE(program.Start(ExecutableFrom(variable), error)) << error;
}

bool ProgramTest::WaitForFocus(int index) const {
  return WaitFor([&] { return program.Focus() == control(index); });
}

bool ProgramTest::TabTo(int index) const {
  for (int step = 0; step <= kButton - kEdit1; ++step) {
    int current = -1;
    WaitFor([&] {
      for (int i = kEdit1; i <= kButton; ++i) {
        if (program.Focus() == control(i)) current = i;
      }
      return current >= 0;
    });
    if (current < 0) return false;
    if (current == index) return true;
    PressKey(VK_TAB);
    if (!WaitForFocus(current == kButton ? kEdit1 : current + 1)) return false;
  }
  return false;
}

bool ProgramTest::TypeInFocus(int index, const std::string& text) const {
  const std::string before = program.TextOf(index);
  TypeAscii(text);
  return WaitFor([&] { return program.TextOf(index) == before + text; });
}

bool ProgramTest::CloseBoxWithEnter(HWND box) const {
  PressKey(VK_RETURN);
  return WaitFor([&] {
    return !IsWindow(box) && program.MessageBoxes().empty() &&
           IsWindowEnabled(program.window()) &&
           GetForegroundWindow() == program.window();
  });
}

bool ProgramTest::FindHit(LRESULT code, POINT& where) const {
  RECT outer;
  GetWindowRect(program.window(), &outer);
  for (LONG y = outer.top; y < outer.top + 40; ++y) {
    for (LONG x = outer.right - 1; x >= outer.left; --x) {
      const LPARAM point =
          MAKELPARAM(static_cast<short>(x), static_cast<short>(y));
      if (SendMessageA(program.window(), WM_NCHITTEST, 0, point) == code) {
        // The middle of the run of points with this code on this row.
        LONG left = x;
        while (left > outer.left &&
               SendMessageA(program.window(), WM_NCHITTEST, 0,
                            MAKELPARAM(static_cast<short>(left - 1),
                                       static_cast<short>(y))) == code) {
          --left;
        }
        where = {(left + x) / 2, y + 4};
        return SendMessageA(program.window(), WM_NCHITTEST, 0,
                            MAKELPARAM(static_cast<short>(where.x),
                                       static_cast<short>(where.y))) == code;
      }
    }
  }
  return false;
}
