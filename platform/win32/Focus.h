// Keyboard focus inside a top-level window: the tab order and the memory
// of the focused control across deactivation.
#pragma once

#include "platform/TabOrder.h"
#include "platform/win32/LiveWindow.h"

void MoveFocus(LiveWindow& live, TabDirection direction);

// Keeps the focused control, if it is one of the window's.
void RememberFocus(LiveWindow& live);

// Remembers the focused control in whichever window holds it. The loop
// calls it after each message: minimising or disabling a window takes its
// focus away without deactivating it first.
void FollowFocus();

// Gives the focus to the remembered control, or else the first tab stop.
void RestoreFocus(LiveWindow& live);
