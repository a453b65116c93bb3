#include "platform/win32/Focus.h"

#include <cstddef>

namespace {

bool CanTakeFocus(HWND control) {
  return IsWindow(control) && IsWindowVisible(control) &&
         IsWindowEnabled(control);
}

// The live state of every control, as the tab order needs it.
int NextStop(const LiveWindow& live, int current, TabDirection direction) {
  TabCandidate candidates[kMaxControls];
  const std::size_t count = live.form->controls.size();
  for (std::size_t i = 0; i < count; ++i) {
    const ControlDescription& control = live.form->controls[i];
    candidates[i] = {control.tabStop && CanTakeFocus(live.controls[i]),
                     control.tabOrder};
  }
  return NextTabStop({candidates, count}, current, direction);
}

}  // namespace

void MoveFocus(LiveWindow& live, TabDirection direction) {
  const int current = ControlIndexOf(live, GetFocus());
  const int next = NextStop(live, current, direction);
  if (next != kNoTabStop) SetFocus(live.controls[next]);
}

void RememberFocus(LiveWindow& live) {
  const int focused = ControlIndexOf(live, GetFocus());
  if (focused != kNoControl) live.rememberedFocus = live.controls[focused];
}

void FollowFocus() {
  HWND focus = GetFocus();
  if (focus == nullptr) return;
  if (LiveWindow* live = FindLiveWindow(GetAncestor(focus, GA_ROOT))) {
    RememberFocus(*live);
  }
}

void RestoreFocus(LiveWindow& live) {
  HWND target = live.rememberedFocus;
  if (!CanTakeFocus(target) || !IsChild(live.window, target)) {
    const int first = NextStop(live, kNoTabStop, TabDirection::Forward);
    target = first != kNoTabStop ? live.controls[first] : live.window;
  }
  SetFocus(target);
}
