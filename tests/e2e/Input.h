// Real input through SendInput: keys as a keyboard gives them, and mouse
// events each with its absolute place on the screen.
#pragma once

#include <windows.h>

#include <string>

void PressKey(WORD virtualKey);
// The key pressed while `modifier` (VK_SHIFT, VK_MENU, ...) is held.
void PressChord(WORD modifier, WORD virtualKey);
// Types printable ASCII text key by key, with Shift where a key needs it.
void TypeAscii(const std::string& text);

POINT CentreOf(HWND window);
void MoveMouseTo(POINT screen);
void ClickAt(POINT screen);
void DoubleClickAt(POINT screen);
// Presses the left button at `from`, moves to `to` and lets go there.
void DragFromTo(POINT from, POINT to);
