#include "tests/e2e/Program.h"

#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD kPollMs = 10;

struct Search {
  DWORD processId;
  const char* className;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (owner == search->processId && IsWindowVisible(window) &&
      (search->className == nullptr ||
       std::strcmp(name, search->className) == 0)) {
    search->found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className) {
  Search search{processId, className, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

bool WaitFor(const std::function<bool()>& done, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start > milliseconds) return done();
    Sleep(kPollMs);  // the state comes from another process
  }
}

std::string ExecutableFrom(const char* variable) {
  const char* value = std::getenv(variable);
  std::string path = value != nullptr ? value : "";
  if (!path.empty() && path[0] == '/') {
    path = "Z:" + path;
    for (char& c : path) {
      if (c == '/') c = '\\';
    }
  }
  return path;
}

Program::~Program() {
  if (process_.hProcess == nullptr) return;
  if (Alive()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kWaitMs);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool Program::Start(const std::string& executable, std::string& error) {
  if (executable.empty()) {
    error = "no executable named";
    return false;
  }
  std::string commandLine = "\"" + executable + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessA(executable.c_str(), commandLine.data(), nullptr, nullptr,
                      FALSE, 0, nullptr, nullptr, &startup, &process_)) {
    error = "cannot start " + executable + ", error " +
            std::to_string(GetLastError());
    return false;
  }
  const bool shown = WaitFor([&] {
    for (HWND window : TopLevelWindows(process_.dwProcessId, nullptr)) {
      if (Text(window) == "Vantrel_1" && GetForegroundWindow() == window) {
        window_ = window;
        return true;
      }
    }
    return false;
  });
  if (!shown) error = "LoginWindow did not come to the foreground";
  return shown;
}

HWND Program::control(int index) const {
  HWND child = GetWindow(window_, GW_CHILD);
  for (int i = 0; i < index && child != nullptr; ++i) {
    child = GetWindow(child, GW_HWNDNEXT);
  }
  return child;
}

HWND Program::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

HWND Program::Active() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndActive;
}

bool Program::Alive() const {
  return WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

std::string Program::Text(HWND window) {
  const auto length =
      static_cast<std::size_t>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
  std::string text(length + 1, '\0');
  const auto copied = static_cast<std::size_t>(
      SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(text.size()),
                   reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < length ? copied : length);
  return text;
}

void Program::SetText(HWND window, const std::string& text) {
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::vector<HWND> Program::MessageBoxes() const {
  return TopLevelWindows(process_.dwProcessId, "#32770");
}

HWND Program::WaitForMessageBox() const {
  HWND box = nullptr;
  WaitFor([&] {
    const std::vector<HWND> boxes = MessageBoxes();
    if (boxes.size() == 1 && GetForegroundWindow() == boxes[0]) {
      box = boxes[0];
    }
    return box != nullptr;
  });
  return box;
}

bool Program::WaitForExit(DWORD& code) const {
  if (WaitForSingleObject(process_.hProcess, kWaitMs) != WAIT_OBJECT_0) {
    return false;
  }
  return GetExitCodeProcess(process_.hProcess, &code) != FALSE;
}
