#include "platform/LabelDrawing.h"

#include "platform/StyleBits.h"

namespace {

unsigned HorizontalFlags(HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::Left:
      return draw::kLeft;
    case HorizontalAlignment::Centre:
      return draw::kCentre;
    case HorizontalAlignment::Right:
      return draw::kRight;
  }
  return draw::kLeft;
}

unsigned VerticalFlags(VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::Top:
      return draw::kTop;
    case VerticalAlignment::Centre:
      return draw::kVCentre;
    case VerticalAlignment::Bottom:
      return draw::kBottom;
  }
  return draw::kTop;
}

}  // namespace

unsigned LabelDrawFlags(const LabelSettings& label) {
  const unsigned flags = HorizontalFlags(label.horizontal) | draw::kNoClip;
  // The system aligns text vertically only on a single line; wrapped text
  // starts at the top.
  if (label.wordWrap) return flags | draw::kWordBreak;
  return flags | draw::kSingleLine | VerticalFlags(label.vertical);
}
