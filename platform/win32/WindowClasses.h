// The window classes the platform builds windows from.
#pragma once

#include <windows.h>

#include "platform/FormDescription.h"

// Registers the platform's own classes; false when the system refuses.
bool RegisterWindowClasses(HINSTANCE instance);

const char* TopLevelClassName();
const char* ClassNameFor(ControlKind kind);

LRESULT CALLBACK TopLevelWindowProc(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);
LRESULT CALLBACK LabelWindowProc(HWND label, UINT message, WPARAM wParam,
                                 LPARAM lParam);
