#include "platform/KeyDecision.h"

#include "platform/StyleBits.h"

KeyAction DecideKey(const KeyPress& key, const WindowSettings& settings) {
  // Alt and Ctrl chords with these keys belong to the system (Alt+Tab,
  // Alt+Esc, Ctrl+Esc) or to the control.
  if (key.alt || key.control) return KeyAction::PassOn;
  switch (key.virtualKey) {
    case key::kTab:
      return key.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case key::kEscape:
      return settings.escapeCloses ? KeyAction::CloseWindow : KeyAction::PassOn;
    case key::kReturn:
      return settings.enterMovesFocus && !key.shift ? KeyAction::FocusNext
                                                    : KeyAction::PassOn;
    default:
      return KeyAction::PassOn;
  }
}
