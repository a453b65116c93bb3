// Which control Tab and Shift+Tab move the focus to.
#pragma once

#include <span>

// One control of a window, in creation order, as the focus sees it.
struct TabCandidate {
  bool isTabStop;  // tab-stop flag set, and visible, enabled and alive
  int tabOrder;
};

enum class TabDirection { Forward, Backward };

inline constexpr int kNoTabStop = -1;

// The tab stop after (Forward) or before (Backward) the control at index
// `current`, wrapping around at either end. Tab stops are ordered by tab
// order value, equal values by creation order. When `current` is not a tab
// stop, Forward gives the first one and Backward the last. kNoTabStop when
// the window has none.
int NextTabStop(std::span<const TabCandidate> controls, int current,
                TabDirection direction);
