#include "platform/win32/KeyScreen.h"

#include "platform/KeyDecision.h"
#include "platform/win32/Focus.h"

namespace {

bool IsDown(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

bool ScreenKey(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
    return false;
  }
  LiveWindow* live = FindLiveWindow(GetAncestor(message.hwnd, GA_ROOT));
  if (live == nullptr) return false;

  const KeyPress key{static_cast<unsigned>(message.wParam), IsDown(VK_SHIFT),
                     IsDown(VK_CONTROL), IsDown(VK_MENU)};
  switch (DecideKey(key, live->form->settings)) {
    case KeyAction::PassOn:
      return false;
    case KeyAction::FocusNext:
      MoveFocus(*live, TabDirection::Forward);
      return true;
    case KeyAction::FocusPrevious:
      MoveFocus(*live, TabDirection::Backward);
      return true;
    case KeyAction::CloseWindow:
      SendMessageA(live->window, WM_CLOSE, 0, 0);
      return true;
  }
  return false;
}
