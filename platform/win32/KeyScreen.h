// The window's look at each key press before the focused control gets it.
#pragma once

#include <windows.h>

// True when the key was the window's to handle and must not go further.
bool ScreenKey(const MSG& message);
