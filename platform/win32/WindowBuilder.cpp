// Builds a live window from its form description: the window hidden, its
// icons and font, each control in creation order, then everything shown.
#include <cstddef>

#include "platform/FormLookup.h"
#include "platform/Platform.h"
#include "platform/PlatformTexts.h"
#include "platform/StartPosition.h"
#include "platform/WindowStyle.h"
#include "platform/win32/LiveWindow.h"
#include "platform/win32/WindowClasses.h"

namespace {

constexpr int kBigIconSize = 32;
constexpr int kSmallIconSize = 16;

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

HGDIOBJ GuiFont() { return GetStockObject(DEFAULT_GUI_FONT); }

void SetFont(HWND window) {
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
}

// A window created at a size the system does not allow gets it now that
// the window can answer for its own limits.
void KeepOuterSize(HWND window, Size size) {
  RECT outer;
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != size.width ||
      outer.bottom - outer.top != size.height) {
    SetWindowPos(window, nullptr, outer.left, outer.top, size.width,
                 size.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void SetIcon(HWND window, WPARAM which, int size) {
  HANDLE icon =
      LoadImageA(Instance(), "DEFAULT_ICON", IMAGE_ICON, size, size, LR_SHARED);
  if (icon == nullptr) ReportFatalError(kFatalNoWindow);
  SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

HWND CreateTopLevel(LiveWindow& live) {
  const FormDescription& form = *live.form;
  const WindowStyles styles = ComputeWindowStyle(form);
  const Point start = StartPosition(
      form, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  HWND window =
      CreateWindowExA(styles.exStyle, TopLevelClassName(), form.caption,
                      styles.style, start.x, start.y, form.size.width,
                      form.size.height, nullptr, nullptr, Instance(), &live);
  if (window == nullptr) ReportFatalError(kFatalNoWindow);
  KeepOuterSize(window, form.size);
  SetIcon(window, ICON_BIG, kBigIconSize);
  SetIcon(window, ICON_SMALL, kSmallIconSize);
  SetFont(window);
  return window;
}

void SetUpControl(HWND control, const ControlDescription& description,
                  const WindowStyles& styles) {
  switch (description.kind) {
    case ControlKind::Label:
      break;
    case ControlKind::EditBox:
      SetFont(control);
      SendMessageA(control, EM_LIMITTEXT,
                   static_cast<WPARAM>(description.edit.maxLength), 0);
      SendMessageA(control, EM_SETSEL, 0, 0);
      break;
    case ControlKind::Button:
      SetFont(control);
      break;
  }
  if (styles.lateExStyle != 0) {
    const LONG ex = GetWindowLongA(control, GWL_EXSTYLE);
    SetWindowLongA(control, GWL_EXSTYLE,
                   ex | static_cast<LONG>(styles.lateExStyle));
    // A changed frame shows only once the window is told of it.
    SetWindowPos(control, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                     SWP_NOACTIVATE);
  }
}

HWND CreateControl(HWND parent, const ControlDescription& description) {
  const WindowStyles styles = ComputeControlStyle(description);
  // The control number doubles as the child window's identifier.
  HWND control = CreateWindowExA(
      styles.exStyle, ClassNameFor(description.kind), description.text,
      styles.style, description.position.x, description.position.y,
      description.size.width, description.size.height, parent,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(description.number)),
      Instance(), const_cast<ControlDescription*>(&description));
  if (control == nullptr) ReportFatalError(kFatalNoWindow);
  SetUpControl(control, description, styles);
  return control;
}

}  // namespace

void LoadStartWindow(WindowNumber number) {
  const FormDescription* form = FindForm(ProgramForms(), number);
  if (form == nullptr) ReportFatalError(kFatalNoForm);
  LiveWindow* live = AddLiveWindow(*form);
  if (live == nullptr) ReportFatalError(kFatalNoWindow);

  HWND window = CreateTopLevel(*live);
  const std::span<const ControlDescription> controls = form->controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    live->controls[i] = CreateControl(window, controls[i]);
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].visible) ShowWindow(live->controls[i], SW_SHOWNA);
  }
  // Showing activates the window, which hands the focus to its first tab
  // stop.
  if (form->visible) ShowWindow(window, SW_SHOW);
}
