// Process entry and the platform's start.
#include <windows.h>

#include "app/StartProgram.h"
#include "platform/FormLookup.h"
#include "platform/FormValidation.h"
#include "platform/Platform.h"
#include "platform/PlatformTexts.h"
#include "platform/win32/EventLoop.h"
#include "platform/win32/LiveWindow.h"
#include "platform/win32/WindowClasses.h"

void StartPlatform() {
  for (const FormDescription* form : ProgramForms()) {
    if (!IsValidForm(*form, kMaxControls)) ReportFatalError(kFatalNoForm);
  }
  if (!RegisterWindowClasses(GetModuleHandleA(nullptr))) {
    ReportFatalError(kFatalNoWindow);
  }
}

// The exit code is the quit message's value, whatever StartProgram returns.
int WINAPI WinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/,
                   LPSTR /*commandLine*/, int /*show*/) {
  StartProgram();
  return QuitCode();
}
