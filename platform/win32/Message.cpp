// The program's message boxes.
#include <windows.h>

#include "platform/MessageStyle.h"
#include "platform/Platform.h"
#include "platform/PlatformTexts.h"
#include "platform/win32/Focus.h"
#include "platform/win32/LiveWindow.h"

int ShowMessage(const char* text, std::uint32_t style, const char* caption,
                WindowNumber owner) {
  HWND ownerWindow = nullptr;
  if (owner != kNoOwner) {
    const LiveWindow* live = FindLiveWindow(owner);
    if (live == nullptr) ReportFatalError(kFatalNoWindow);
    ownerWindow = live->window;
  }
  // The box takes the focus away; keep it before the box disables the
  // window, which clears the focus without a deactivation.
  HWND active = GetActiveWindow();
  if (LiveWindow* live = FindLiveWindow(active)) RememberFocus(*live);

  const int answer = MessageBoxA(ownerWindow, text, MessageCaption(caption),
                                 MessageBoxStyle(style));
  if (answer == 0) ReportFatalError(kFatalNoStorage);

  // When a box without owner closes, not every system hands the activation
  // back; the window that had it takes it again, and with it its focus.
  if (FindLiveWindow(active) != nullptr && GetActiveWindow() != active) {
    SetForegroundWindow(active);
    SetActiveWindow(active);
  }
  return answer;
}
