// The program under test, started as a child process in the same Wine
// session and observed from outside.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// How long any awaited state may take to come.
inline constexpr DWORD kWaitMs = 10000;

// Polls until `done` holds or `milliseconds` pass; true when it held.
bool WaitFor(const std::function<bool()>& done, DWORD milliseconds = kWaitMs);

// The Windows path of the executable an environment variable names; a
// Unix path is reached through Wine's drive Z:.
std::string ExecutableFrom(const char* variable);

// The controls in creation order.
enum ControlIndex { kLabel1, kLabel2, kEdit1, kEdit2, kButton, kControlCount };

class Program {
 public:
  Program() = default;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  // Ends a program that a test left running.
  ~Program();

  // Starts the executable and waits until its window is visible and in
  // the foreground; false with `error` set when it does not come.
  bool Start(const std::string& executable, std::string& error);

  HWND window() const { return window_; }
  HANDLE process() const { return process_.hProcess; }
  HWND control(int index) const;

  // The focus and the active window of the program's thread.
  HWND Focus() const;
  HWND Active() const;
  bool Alive() const;

  // A window's text as bytes in the ANSI code page, through WM_GETTEXT.
  static std::string Text(HWND window);
  static void SetText(HWND window, const std::string& text);
  std::string TextOf(int index) const { return Text(control(index)); }

  // The program's visible message boxes (class "#32770").
  std::vector<HWND> MessageBoxes() const;
  // Waits for exactly one message box; nullptr when none comes.
  HWND WaitForMessageBox() const;
  // Waits for the end of the process; false on a timeout.
  bool WaitForExit(DWORD& code) const;

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
};
