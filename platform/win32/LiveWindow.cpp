#include "platform/win32/LiveWindow.h"

#include <algorithm>

#include "platform/FormLookup.h"

namespace {

// The program has one window; a few slots leave room for more forms.
constexpr std::size_t kMaxWindows = 4;
LiveWindow g_windows[kMaxWindows];

bool IsInUse(const LiveWindow& live) { return live.form != nullptr; }

}  // namespace

LiveWindow* AddLiveWindow(const FormDescription& form) {
  for (LiveWindow& live : g_windows) {
    if (!IsInUse(live)) {
      live = LiveWindow{};
      live.form = &form;
      return &live;
    }
  }
  return nullptr;
}

void RemoveLiveWindow(const LiveWindow& live) {
  for (LiveWindow& slot : g_windows) {
    if (&slot == &live) slot = LiveWindow{};
  }
}

bool AnyWindowAlive() { return std::ranges::any_of(g_windows, IsInUse); }

LiveWindow* FindLiveWindow(WindowNumber number) {
  for (LiveWindow& live : g_windows) {
    if (IsInUse(live) && live.window != nullptr &&
        live.form->number == number) {
      return &live;
    }
  }
  return nullptr;
}

LiveWindow* FindLiveWindow(HWND window) {
  if (window == nullptr) return nullptr;
  for (LiveWindow& live : g_windows) {
    if (IsInUse(live) && live.window == window) return &live;
  }
  return nullptr;
}

const ControlDescription* DescriptionOf(const LiveWindow& live, HWND control) {
  for (std::size_t i = 0; i < live.form->controls.size(); ++i) {
    if (control != nullptr && live.controls[i] == control) {
      return &live.form->controls[i];
    }
  }
  return nullptr;
}

int ControlIndexOf(const LiveWindow& live, HWND child) {
  if (child == nullptr) return kNoControl;
  for (std::size_t i = 0; i < live.form->controls.size(); ++i) {
    HWND control = live.controls[i];
    if (control != nullptr && (control == child || IsChild(control, child))) {
      return static_cast<int>(i);
    }
  }
  return kNoControl;
}
