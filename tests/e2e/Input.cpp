#include "tests/e2e/Input.h"

#include <vector>

namespace {

INPUT Key(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan =
      static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Screen pixels to the 0..65535 range of an absolute mouse event.
LONG Normalised(LONG value, int extent) {
  return static_cast<LONG>(MulDiv(value, 65535, extent - 1));
}

INPUT Mouse(POINT screen, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void PressKey(WORD virtualKey) {
  Send({Key(virtualKey, false), Key(virtualKey, true)});
}

void PressChord(WORD modifier, WORD virtualKey) {
  Send({Key(modifier, false), Key(virtualKey, false), Key(virtualKey, true),
        Key(modifier, true)});
}

void TypeAscii(const std::string& text) {
  for (char c : text) {
    const SHORT scan = VkKeyScanA(c);
    const auto virtualKey = static_cast<WORD>(scan & 0xFF);
    if ((scan & 0x100) != 0) {
      PressChord(VK_SHIFT, virtualKey);
    } else {
      PressKey(virtualKey);
    }
  }
}

POINT CentreOf(HWND window) {
  RECT outer;
  GetWindowRect(window, &outer);
  return {(outer.left + outer.right) / 2, (outer.top + outer.bottom) / 2};
}

void MoveMouseTo(POINT screen) { Send({Mouse(screen, 0)}); }

void ClickAt(POINT screen) {
  Send({Mouse(screen, 0), Mouse(screen, MOUSEEVENTF_LEFTDOWN),
        Mouse(screen, MOUSEEVENTF_LEFTUP)});
}

void DoubleClickAt(POINT screen) {
  Send({Mouse(screen, 0), Mouse(screen, MOUSEEVENTF_LEFTDOWN),
        Mouse(screen, MOUSEEVENTF_LEFTUP), Mouse(screen, MOUSEEVENTF_LEFTDOWN),
        Mouse(screen, MOUSEEVENTF_LEFTUP)});
}

void DragFromTo(POINT from, POINT to) {
  Send({Mouse(from, 0), Mouse(from, MOUSEEVENTF_LEFTDOWN)});
  const POINT middle{(from.x + to.x) / 2, (from.y + to.y) / 2};
  Send({Mouse(middle, 0), Mouse(to, 0), Mouse(to, MOUSEEVENTF_LEFTUP)});
}
