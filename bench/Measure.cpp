#include "bench/Measure.h"

// clang-format off
#include <windows.h>
#include <psapi.h>
// clang-format on

namespace {

constexpr int kAccountBox = 0x16010004;
constexpr int kButton = 0x16010006;
constexpr DWORD kStepTimeoutMs = 30000;

double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

// Polls `ready` with waits of about a millisecond, so that the poll adds
// little to what it measures, for at most kStepTimeoutMs.
template <typename Ready>
bool PollUntil(Ready ready) {
  const double deadline = NowMs() + kStepTimeoutMs;
  for (;;) {
    if (ready()) return true;
    if (NowMs() > deadline) return false;
    Sleep(1);
  }
}

// The other process's input state: GetFocus only sees the caller's thread.
GUITHREADINFO ThreadInput(DWORD thread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread, &info)) {
    info.hwndActive = nullptr;
    info.hwndFocus = nullptr;
  }
  return info;
}

bool HasClass(HWND window, const char* name) {
  char className[64];
  return window != nullptr &&
         GetClassNameA(window, className, sizeof className) > 0 &&
         lstrcmpA(className, name) == 0;
}

INPUT MouseAt(POINT point, DWORD flags) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(point.x, 65535, width - 1);
  input.mi.dy = MulDiv(point.y, 65535, height - 1);
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  return input;
}

void ParkPointer() {
  INPUT move = MouseAt({0, 0}, 0);
  SendInput(1, &move, sizeof move);
}

void MoveTo(POINT point) {
  INPUT move = MouseAt(point, 0);
  SendInput(1, &move, sizeof move);
}

bool PointerAt(POINT point) {
  POINT now;
  return GetCursorPos(&now) && now.x == point.x && now.y == point.y;
}

void ClickAt(POINT point) {
  INPUT inputs[] = {MouseAt(point, MOUSEEVENTF_LEFTDOWN),
                    MouseAt(point, MOUSEEVENTF_LEFTUP)};
  SendInput(2, inputs, sizeof inputs[0]);
}

bool Fail(std::string& error, const char* step, HANDLE process) {
  error = step;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  return false;
}

bool Measure(const PROCESS_INFORMATION& child, double created,
             RunFigures& figures, std::string& error) {
  HWND window = nullptr;
  HWND account = nullptr;
  if (!PollUntil([&] {
        account = ThreadInput(child.dwThreadId).hwndFocus;
        if (account == nullptr || GetDlgCtrlID(account) != kAccountBox) {
          return false;
        }
        window = GetAncestor(account, GA_ROOT);
        return IsWindowVisible(window) != FALSE;
      })) {
    return Fail(error, "LoginWindow with the focus in the account box",
                child.hProcess);
  }
  figures.startupMs = NowMs() - created;

  // The figures of a process that has finished showing its window, not
  // of one caught half-way through painting.
  if (WaitForInputIdle(child.hProcess, kStepTimeoutMs) != 0) {
    return Fail(error, "an idle LoginWindow", child.hProcess);
  }
  PROCESS_MEMORY_COUNTERS_EX memory{};
  if (!GetProcessMemoryInfo(child.hProcess,
                            reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                            sizeof memory)) {
    return Fail(error, "GetProcessMemoryInfo", child.hProcess);
  }
  figures.peakWorkingSet = memory.PeakWorkingSetSize;
  // The system documents PrivateUsage as the same commit charge as
  // PagefileUsage; Wine 8 fills only the shorter structure (cb 40), so
  // there the commit charge comes from PagefileUsage.
  figures.privateBytes =
      memory.cb >= sizeof memory ? memory.PrivateUsage : memory.PagefileUsage;

  // A real click reaches only the foreground window.
  if (GetForegroundWindow() != window) SetForegroundWindow(window);
  if (!PollUntil([&] { return GetForegroundWindow() == window; })) {
    return Fail(error, "LoginWindow in the foreground", child.hProcess);
  }
  RECT button;
  GetWindowRect(GetDlgItem(window, kButton), &button);
  const POINT centre{(button.left + button.right) / 2,
                     (button.top + button.bottom) / 2};
  // The pointer reaches the button first, so that the time is the
  // click's alone.
  MoveTo(centre);
  if (!PollUntil([&] { return PointerAt(centre); })) {
    return Fail(error, "the pointer on the button", child.hProcess);
  }
  HWND box = nullptr;
  const double clicked = NowMs();
  ClickAt(centre);
  if (!PollUntil([&] {
        box = ThreadInput(child.dwThreadId).hwndActive;
        return HasClass(box, "#32770") && IsWindowVisible(box);
      })) {
    return Fail(error, "the message box after the click", child.hProcess);
  }
  figures.clickMs = NowMs() - clicked;

  PostMessageA(box, WM_CLOSE, 0, 0);
  if (!PollUntil([&] { return !IsWindow(box); })) {
    return Fail(error, "the message box closing", child.hProcess);
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(child.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0) {
    return Fail(error, "the program's end", child.hProcess);
  }
  DWORD exitCode = 1;
  GetExitCodeProcess(child.hProcess, &exitCode);
  if (exitCode != 0) {
    error = "exit code " + std::to_string(exitCode);
    return false;
  }
  return true;
}

}  // namespace

bool MeasureOnce(const std::string& exe, RunFigures& figures,
                 std::string& error) {
  ParkPointer();
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  const double created = NowMs();
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, &child)) {
    error = "CreateProcess " + std::to_string(GetLastError());
    return false;
  }
  const bool measured = Measure(child, created, figures, error);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  return measured;
}
