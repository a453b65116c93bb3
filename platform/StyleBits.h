// Win32 style, key and message-box values the portable decisions produce.
// They are the system's own numbers; the Win32 layer checks each against
// its headers at compile time.
#pragma once

#include <cstdint>

namespace style {
inline constexpr std::uint32_t kOverlapped = 0x00000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kSysMenu = 0x00080000;
inline constexpr std::uint32_t kThickFrame = 0x00040000;
inline constexpr std::uint32_t kMinimiseBox = 0x00020000;
inline constexpr std::uint32_t kMaximiseBox = 0x00010000;
inline constexpr std::uint32_t kTabStop = 0x00010000;
inline constexpr std::uint32_t kClipChildren = 0x02000000;
inline constexpr std::uint32_t kClipSiblings = 0x04000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kChild = 0x40000000;

inline constexpr std::uint32_t kExToolWindow = 0x00000080;
inline constexpr std::uint32_t kExClientEdge = 0x00000200;

inline constexpr std::uint32_t kEditLeft = 0x0000;
inline constexpr std::uint32_t kEditCentre = 0x0001;
inline constexpr std::uint32_t kEditRight = 0x0002;
inline constexpr std::uint32_t kEditMultiLine = 0x0004;
inline constexpr std::uint32_t kEditPassword = 0x0020;
inline constexpr std::uint32_t kEditAutoVScroll = 0x0040;
inline constexpr std::uint32_t kEditAutoHScroll = 0x0080;
inline constexpr std::uint32_t kEditNoHideSel = 0x0100;
inline constexpr std::uint32_t kEditReadOnly = 0x0800;

inline constexpr std::uint32_t kButtonPush = 0x0000;
inline constexpr std::uint32_t kButtonLeft = 0x0100;
inline constexpr std::uint32_t kButtonRight = 0x0200;
inline constexpr std::uint32_t kButtonCentre = 0x0300;
inline constexpr std::uint32_t kButtonTop = 0x0400;
inline constexpr std::uint32_t kButtonBottom = 0x0800;
inline constexpr std::uint32_t kButtonVCentre = 0x0C00;
inline constexpr std::uint32_t kButtonMultiLine = 0x2000;
}  // namespace style

namespace key {
inline constexpr unsigned kTab = 0x09;
inline constexpr unsigned kReturn = 0x0D;
inline constexpr unsigned kEscape = 0x1B;
inline constexpr unsigned kF1 = 0x70;
}  // namespace key

namespace msgbox {
inline constexpr std::uint32_t kSystemModal = 0x1000;
inline constexpr std::uint32_t kTaskModal = 0x2000;
}  // namespace msgbox

namespace draw {
inline constexpr unsigned kTop = 0x0000;
inline constexpr unsigned kLeft = 0x0000;
inline constexpr unsigned kCentre = 0x0001;
inline constexpr unsigned kRight = 0x0002;
inline constexpr unsigned kVCentre = 0x0004;
inline constexpr unsigned kBottom = 0x0008;
inline constexpr unsigned kWordBreak = 0x0010;
inline constexpr unsigned kSingleLine = 0x0020;
inline constexpr unsigned kNoClip = 0x0100;
}  // namespace draw
