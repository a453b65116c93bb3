#include "platform/TabOrder.h"

#include <cstddef>

namespace {

// Whether control a comes before control b in the tab order.
bool Precedes(std::span<const TabCandidate> controls, std::size_t a,
              std::size_t b) {
  if (controls[a].tabOrder != controls[b].tabOrder) {
    return controls[a].tabOrder < controls[b].tabOrder;
  }
  return a < b;
}

}  // namespace

int NextTabStop(std::span<const TabCandidate> controls, int current,
                TabDirection direction) {
  const bool forward = direction == TabDirection::Forward;
  const bool fromStop = current >= 0 &&
                        static_cast<std::size_t>(current) < controls.size() &&
                        controls[static_cast<std::size_t>(current)].isTabStop;
  // Scanning once, keep the nearest stop beyond `current` and, for the
  // wrap-around, the extreme stop on the far side.
  int nearest = kNoTabStop;
  int extreme = kNoTabStop;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (!controls[i].isTabStop) continue;
    const auto earlier = [&](std::size_t a, std::size_t b) {
      return forward ? Precedes(controls, a, b) : Precedes(controls, b, a);
    };
    const int index = static_cast<int>(i);
    if (extreme == kNoTabStop ||
        earlier(i, static_cast<std::size_t>(extreme))) {
      extreme = index;
    }
    const bool beyond =
        fromStop && earlier(static_cast<std::size_t>(current), i);
    if (beyond && (nearest == kNoTabStop ||
                   earlier(i, static_cast<std::size_t>(nearest)))) {
      nearest = index;
    }
  }
  return nearest != kNoTabStop ? nearest : extreme;
}
