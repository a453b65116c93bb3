// Copies of control texts, read from the live controls.
#include <windows.h>

#include <cstddef>

#include "platform/FormLookup.h"
#include "platform/Platform.h"
#include "platform/PlatformTexts.h"
#include "platform/win32/LiveWindow.h"
#include "platform/win32/TextStorage.h"

namespace {

HWND LiveControl(WindowNumber window, ControlNumber control) {
  const LiveWindow* live = FindLiveWindow(window);
  if (live == nullptr) return nullptr;
  const int index = FindControl(*live->form, control);
  if (index == kNoControl) return nullptr;
  HWND handle = live->controls[index];
  return IsWindow(handle) ? handle : nullptr;
}

}  // namespace

char* ReadControlText(WindowNumber window, ControlNumber control) {
  HWND handle = LiveControl(window, control);
  if (handle == nullptr) ReportFatalError(kFatalBadRead);
  const int length = GetWindowTextLengthA(handle);
  if (length <= 0) return nullptr;

  const std::size_t capacity = static_cast<std::size_t>(length) + 1;
  char* copy = AllocateText(capacity);
  if (copy == nullptr) ReportFatalError(kFatalNoStorage);
  // The length may be larger than the text; the copy ends where the text
  // read does.
  int copied = GetWindowTextA(handle, copy, static_cast<int>(capacity));
  if (copied < 0) copied = 0;
  if (copied > length) copied = length;
  copy[copied] = '\0';
  if (copied == 0) {
    FreeText(copy);
    return nullptr;
  }
  return copy;
}

void ReleaseText(char* text) {
  if (text != nullptr) FreeText(text);
}
