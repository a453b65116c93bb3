// What a window does with a key press before its focused control sees it.
#pragma once

#include "platform/FormDescription.h"

struct KeyPress {
  unsigned virtualKey;
  bool shift;
  bool control;
  bool alt;
};

enum class KeyAction {
  PassOn,  // the focused control gets the key as usual
  FocusNext,
  FocusPrevious,
  CloseWindow,
};

KeyAction DecideKey(const KeyPress& key, const WindowSettings& settings);
