// Where a window first stands on the screen.
#pragma once

#include "platform/FormDescription.h"

// The outer top-left corner: as described, or centred on a screen of the
// given size. The halves truncate toward zero, so a window larger than the
// screen starts at a negative place and keeps its size.
Point StartPosition(const FormDescription& form, Size screen);
