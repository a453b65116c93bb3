// The window procedure of the platform's top-level windows: it only routes
// each message to the platform's handling of it.
#include "platform/EventDispatch.h"
#include "platform/FormLookup.h"
#include "platform/win32/Colours.h"
#include "platform/win32/EventLoop.h"
#include "platform/win32/Focus.h"
#include "platform/win32/WindowClasses.h"

namespace {

LiveWindow* LiveWindowOf(HWND window) {
  return reinterpret_cast<LiveWindow*>(
      GetWindowLongPtrA(window, GWLP_USERDATA));
}

void OnNcCreate(HWND window, const CREATESTRUCTA& create) {
  auto* live = static_cast<LiveWindow*>(create.lpCreateParams);
  live->window = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(live));
}

// The system caps a window at about the screen's size; the form's size
// holds on any screen.
void OnGetMinMaxInfo(const LiveWindow& live, MINMAXINFO& limits) {
  if (limits.ptMaxTrackSize.x < live.form->size.width) {
    limits.ptMaxTrackSize.x = live.form->size.width;
  }
  if (limits.ptMaxTrackSize.y < live.form->size.height) {
    limits.ptMaxTrackSize.y = live.form->size.height;
  }
}

void OnEraseBackground(const LiveWindow& live, HDC dc) {
  RECT client;
  GetClientRect(live.window, &client);
  FillRect(dc, &client, BrushFor(dc, live.form->settings.background));
}

// A control's notification goes back to the control, which raises its
// event for the bound routine.
void OnCommand(const LiveWindow& live, HWND control, unsigned notification) {
  const ControlDescription* source = DescriptionOf(live, control);
  if (source == nullptr) return;
  if (auto event = EventFromNotification(source->kind, notification)) {
    RaiseEvent(*live.form, source->number, *event);
  }
}

LRESULT OnEditColours(const LiveWindow& live, HDC dc, HWND edit) {
  const ControlDescription* description = DescriptionOf(live, edit);
  const EditSettings settings =
      description != nullptr ? description->edit : EditSettings{};
  SetTextColor(dc, ResolveColour(settings.text));
  SetBkColor(dc, ResolveColour(settings.background));
  return reinterpret_cast<LRESULT>(BrushFor(dc, settings.background));
}

void OnActivate(LiveWindow& live, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    RememberFocus(live);
  } else if (HIWORD(wParam) == 0) {  // not while minimised
    RestoreFocus(live);
  }
}

void OnNcDestroy(const LiveWindow& live) {
  RemoveLiveWindow(live);
  OnWindowGone();
}

}  // namespace

LRESULT CALLBACK TopLevelWindowProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) {
  if (message == WM_NCCREATE) {
    OnNcCreate(window, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
  }
  LiveWindow* live = LiveWindowOf(window);
  if (live == nullptr) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*live, *reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_ERASEBKGND:
      OnEraseBackground(*live, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_COMMAND:
      OnCommand(*live, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      return OnEditColours(*live, reinterpret_cast<HDC>(wParam),
                           reinterpret_cast<HWND>(lParam));
    case WM_ACTIVATE:
      OnActivate(*live, wParam);
      return 0;
    case WM_SETFOCUS:
      RestoreFocus(*live);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // never hold up a log-off or a shut-down
    case WM_NCDESTROY:
      OnNcDestroy(*live);
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
