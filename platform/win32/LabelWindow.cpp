// A label: the platform paints it itself, from its description.
#include "platform/LabelDrawing.h"
#include "platform/win32/Colours.h"
#include "platform/win32/WindowClasses.h"

namespace {

const ControlDescription* DescriptionOf(HWND label) {
  return reinterpret_cast<const ControlDescription*>(
      GetWindowLongPtrA(label, GWLP_USERDATA));
}

void Paint(HWND label, const ControlDescription& control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  FillRect(dc, &area, BrushFor(dc, control.label.background));
  SetTextColor(dc, ResolveColour(control.label.text));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ previousFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(dc, control.text, -1, &area, LabelDrawFlags(control.label));
  SelectObject(dc, previousFont);
  EndPaint(label, &paint);
}

}  // namespace

LRESULT CALLBACK LabelWindowProc(HWND label, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      SetWindowLongPtrA(label, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT fills the whole label
    case WM_PAINT:
      if (const ControlDescription* control = DescriptionOf(label)) {
        Paint(label, *control);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(label, message, wParam, lParam);
}
