#include "platform/win32/WindowClasses.h"

namespace {

constexpr char kTopLevelClass[] = "VantrelForm";
constexpr char kLabelClass[] = "VantrelLabel";

bool Register(HINSTANCE instance, const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  // Both classes paint their own background from the form's colours.
  return RegisterClassExA(&windowClass) != 0;
}

}  // namespace

bool RegisterWindowClasses(HINSTANCE instance) {
  return Register(instance, kTopLevelClass, TopLevelWindowProc) &&
         Register(instance, kLabelClass, LabelWindowProc);
}

const char* TopLevelClassName() { return kTopLevelClass; }

const char* ClassNameFor(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
      return kLabelClass;
    case ControlKind::EditBox:
      return "EDIT";
    case ControlKind::Button:
      return "BUTTON";
  }
  return kLabelClass;
}
