// The portable code states the system's numbers itself; they must be the
// ones the system headers give.
#include <windows.h>

#include "platform/StyleBits.h"

static_assert(style::kOverlapped == WS_OVERLAPPED);
static_assert(style::kCaption == WS_CAPTION);
static_assert(style::kBorder == WS_BORDER);
static_assert(style::kSysMenu == WS_SYSMENU);
static_assert(style::kThickFrame == WS_THICKFRAME);
static_assert(style::kMinimiseBox == WS_MINIMIZEBOX);
static_assert(style::kMaximiseBox == WS_MAXIMIZEBOX);
static_assert(style::kTabStop == WS_TABSTOP);
static_assert(style::kClipChildren == WS_CLIPCHILDREN);
static_assert(style::kClipSiblings == WS_CLIPSIBLINGS);
static_assert(style::kVisible == WS_VISIBLE);
static_assert(style::kDisabled == WS_DISABLED);
static_assert(style::kChild == WS_CHILD);
static_assert(style::kExToolWindow == WS_EX_TOOLWINDOW);
static_assert(style::kExClientEdge == WS_EX_CLIENTEDGE);

static_assert(style::kEditLeft == ES_LEFT);
static_assert(style::kEditCentre == ES_CENTER);
static_assert(style::kEditRight == ES_RIGHT);
static_assert(style::kEditMultiLine == ES_MULTILINE);
static_assert(style::kEditPassword == ES_PASSWORD);
static_assert(style::kEditAutoVScroll == ES_AUTOVSCROLL);
static_assert(style::kEditAutoHScroll == ES_AUTOHSCROLL);
static_assert(style::kEditNoHideSel == ES_NOHIDESEL);
static_assert(style::kEditReadOnly == ES_READONLY);

static_assert(style::kButtonPush == BS_PUSHBUTTON);
static_assert(style::kButtonLeft == BS_LEFT);
static_assert(style::kButtonRight == BS_RIGHT);
static_assert(style::kButtonCentre == BS_CENTER);
static_assert(style::kButtonTop == BS_TOP);
static_assert(style::kButtonBottom == BS_BOTTOM);
static_assert(style::kButtonVCentre == BS_VCENTER);
static_assert(style::kButtonMultiLine == BS_MULTILINE);

static_assert(key::kTab == VK_TAB);
static_assert(key::kReturn == VK_RETURN);
static_assert(key::kEscape == VK_ESCAPE);
static_assert(key::kF1 == VK_F1);

static_assert(msgbox::kSystemModal == MB_SYSTEMMODAL);
static_assert(msgbox::kTaskModal == MB_TASKMODAL);

static_assert(draw::kTop == DT_TOP);
static_assert(draw::kLeft == DT_LEFT);
static_assert(draw::kCentre == DT_CENTER);
static_assert(draw::kRight == DT_RIGHT);
static_assert(draw::kVCentre == DT_VCENTER);
static_assert(draw::kBottom == DT_BOTTOM);
static_assert(draw::kWordBreak == DT_WORDBREAK);
static_assert(draw::kSingleLine == DT_SINGLELINE);
static_assert(draw::kNoClip == DT_NOCLIP);
