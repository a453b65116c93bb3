#include "platform/win32/Colours.h"

COLORREF ResolveColour(Colour colour) {
  return colour == kSystemFaceColour ? GetSysColor(COLOR_BTNFACE) : colour;
}

HBRUSH BrushFor(HDC dc, Colour colour) {
  if (colour == kSystemFaceColour) return GetSysColorBrush(COLOR_BTNFACE);
  SetDCBrushColor(dc, colour);
  return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}
