#include "platform/WindowStyle.h"

#include "platform/StyleBits.h"

namespace {

std::uint32_t FrameStyle(const WindowSettings& settings) {
  switch (settings.border) {
    case BorderStyle::None:
      return 0;
    case BorderStyle::FixedSingle:
      return style::kCaption;
    case BorderStyle::Sizable:
      return style::kCaption | style::kThickFrame;
  }
  return 0;
}

// The system draws the control box and its buttons only in a title bar.
std::uint32_t TitleBarButtons(const WindowSettings& settings) {
  if (settings.border == BorderStyle::None || !settings.controlBox) {
    return 0;
  }
  std::uint32_t buttons = style::kSysMenu;
  if (settings.minimiseButton) buttons |= style::kMinimiseBox;
  if (settings.maximiseButton) buttons |= style::kMaximiseBox;
  return buttons;
}

std::uint32_t EditStyle(const EditSettings& edit) {
  std::uint32_t bits = 0;
  switch (edit.alignment) {
    case HorizontalAlignment::Left:
      bits |= style::kEditLeft;
      break;
    case HorizontalAlignment::Centre:
      bits |= style::kEditCentre;
      break;
    case HorizontalAlignment::Right:
      bits |= style::kEditRight;
      break;
  }
  bits |= edit.multiLine ? style::kEditMultiLine | style::kEditAutoVScroll
                         : style::kEditAutoHScroll;
  if (!edit.hideSelection) bits |= style::kEditNoHideSel;
  if (edit.readOnly) bits |= style::kEditReadOnly;
  if (edit.password) bits |= style::kEditPassword;
  return bits;
}

std::uint32_t ButtonStyle(const ButtonSettings& button) {
  std::uint32_t bits = style::kButtonPush | style::kButtonMultiLine;
  switch (button.horizontal) {
    case HorizontalAlignment::Left:
      bits |= style::kButtonLeft;
      break;
    case HorizontalAlignment::Centre:
      bits |= style::kButtonCentre;
      break;
    case HorizontalAlignment::Right:
      bits |= style::kButtonRight;
      break;
  }
  switch (button.vertical) {
    case VerticalAlignment::Top:
      bits |= style::kButtonTop;
      break;
    case VerticalAlignment::Centre:
      bits |= style::kButtonVCentre;
      break;
    case VerticalAlignment::Bottom:
      bits |= style::kButtonBottom;
      break;
  }
  return bits;
}

}  // namespace

WindowStyles ComputeWindowStyle(const FormDescription& form) {
  const WindowSettings& settings = form.settings;
  std::uint32_t bits = style::kOverlapped | style::kClipChildren |
                       FrameStyle(settings) | TitleBarButtons(settings);
  if (!form.enabled) bits |= style::kDisabled;
  const std::uint32_t ex = settings.showInTaskbar ? 0 : style::kExToolWindow;
  return {bits, ex, 0};
}

WindowStyles ComputeControlStyle(const ControlDescription& control) {
  std::uint32_t bits = style::kChild | style::kClipSiblings;
  if (control.tabStop) bits |= style::kTabStop;
  if (!control.enabled) bits |= style::kDisabled;
  std::uint32_t late = 0;
  switch (control.kind) {
    case ControlKind::Label:
      if (control.label.border) bits |= style::kBorder;
      break;
    case ControlKind::EditBox:
      bits |= EditStyle(control.edit);
      if (control.edit.sunkenBorder) late |= style::kExClientEdge;
      break;
    case ControlKind::Button:
      bits |= ButtonStyle(control.button);
      break;
  }
  return {bits, 0, late};
}
