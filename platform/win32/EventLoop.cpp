#include "platform/win32/EventLoop.h"

#include "platform/Platform.h"
#include "platform/PlatformTexts.h"
#include "platform/win32/Focus.h"
#include "platform/win32/KeyScreen.h"
#include "platform/win32/LiveWindow.h"

namespace {
bool g_loopEntered = false;
int g_quitCode = 0;
}  // namespace

void RunEventLoop() {
  if (!AnyWindowAlive()) return;
  g_loopEntered = true;
  MSG message;
  for (;;) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0) break;
    if (got == -1) ReportFatalError(kFatalEventLoop);
    // The window sees each key before its controls do.
    if (ScreenKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    FollowFocus();
  }
  g_quitCode = static_cast<int>(message.wParam);
}

void OnWindowGone() {
  if (g_loopEntered && !AnyWindowAlive()) PostQuitMessage(0);
}

int QuitCode() { return g_quitCode; }
