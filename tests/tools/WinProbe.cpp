// A small helper for scripts that run the program under Wine:
//   winprobe wait CAPTION MILLISECONDS  waits until a top-level window with
//                                       that caption is visible and active
//   winprobe close CAPTION              asks that window to close
// Exits with 0 on success, 1 on a timeout or when there is no such window.
#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

int Wait(const char* caption, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    HWND window = FindWindowA(nullptr, caption);
    if (window != nullptr && IsWindowVisible(window) &&
        GetForegroundWindow() == window) {
      return 0;
    }
    if (GetTickCount() - start > milliseconds) return 1;
    Sleep(20);  // a bounded poll: the window comes from another process
  }
}

int Close(const char* caption) {
  HWND window = FindWindowA(nullptr, caption);
  if (window == nullptr) return 1;
  return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "wait") == 0) {
    return Wait(argv[2],
                static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)));
  }
  if (argc == 3 && std::strcmp(argv[1], "close") == 0) return Close(argv[2]);
  return 2;
}
