// The platform's report of a failure it cannot recover from.
#include <windows.h>

#include "platform/Platform.h"
#include "platform/PlatformTexts.h"

void ReportFatalError(const char* what) {
  MessageBoxA(nullptr, what, kFatalErrorCaption,
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}
