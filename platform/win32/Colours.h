// Painting with the colours of a form description.
#pragma once

#include <windows.h>

#include "platform/FormDescription.h"

COLORREF ResolveColour(Colour colour);

// A brush of the colour for drawing on `dc`: the system's face brush, or
// the stock DC brush set to the colour, so nothing is created or freed.
HBRUSH BrushFor(HDC dc, Colour colour);
