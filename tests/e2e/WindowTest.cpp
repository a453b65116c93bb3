// LoginWindow itself at start: caption, frame, owner, activation, icon.
#include "tests/e2e/Capture.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

using Window = ProgramTest;

TEST_F(Window, HasItsCaptionNoOwnerAndIsInTheForeground) {
  EXPECT_EQ(Program::Text(program.window()), "Vantrel_1");
  EXPECT_EQ(GetWindow(program.window(), GW_OWNER), nullptr);
  EXPECT_EQ(GetAncestor(program.window(), GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetForegroundWindow(), program.window());
  EXPECT_EQ(program.Active(), program.window());
  EXPECT_TRUE(IsWindowVisible(program.window()));
  EXPECT_TRUE(IsWindowEnabled(program.window()));
}

struct StyleBit {
  const char* name;
  LONG bit;
  bool present;
};

void PrintTo(const StyleBit& bit, std::ostream* out) { *out << bit.name; }

class WindowStyle : public ProgramTest,
                    public testing::WithParamInterface<StyleBit> {};

TEST_P(WindowStyle, BitIsAsTheFrameNeedsIt) {
  const LONG style = GetWindowLongA(program.window(), GWL_STYLE);
  EXPECT_EQ((style & GetParam().bit) == GetParam().bit, GetParam().present)
      << std::hex << "style 0x" << style;
}

INSTANTIATE_TEST_SUITE_P(
    , WindowStyle,
    testing::Values(StyleBit{"Caption", WS_CAPTION, true},
                    StyleBit{"SysMenu", WS_SYSMENU, true},
                    StyleBit{"MinimiseBox", WS_MINIMIZEBOX, true},
                    StyleBit{"ClipChildren", WS_CLIPCHILDREN, true},
                    StyleBit{"Visible", WS_VISIBLE, true},
                    StyleBit{"ThickFrame", WS_THICKFRAME, false},
                    StyleBit{"MaximiseBox", WS_MAXIMIZEBOX, false},
                    StyleBit{"Popup", static_cast<LONG>(WS_POPUP), false},
                    StyleBit{"Child", WS_CHILD, false},
                    StyleBit{"Disabled", WS_DISABLED, false},
                    StyleBit{"Minimised", WS_MINIMIZE, false},
                    StyleBit{"Maximised", WS_MAXIMIZE, false},
                    StyleBit{"VScroll", WS_VSCROLL, false},
                    StyleBit{"HScroll", WS_HSCROLL, false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST_F(Window, StyleHoldsNothingElse) {
  // The system adds WS_CLIPSIBLINGS to every top-level window.
  constexpr LONG kExpected = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU |
                             WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
  EXPECT_EQ(GetWindowLongA(program.window(), GWL_STYLE) & ~WS_CLIPSIBLINGS,
            kExpected);
  // Windows adds WS_EX_WINDOWEDGE to framed windows on its own.
  EXPECT_EQ(GetWindowLongA(program.window(), GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE,
            0);
}

TEST_F(Window, TitleBarShowsTheProgramsSmallIcon) {
  IconPicture icon;
  const std::string executable = ExecutableFrom("VANTREL_EXE");
  ASSERT_TRUE(LoadIconPicture(executable, "DEFAULT_ICON", 16, icon));
  int covered = 0;
  for (bool opaque : icon.opaque) covered += opaque ? 1 : 0;
  ASSERT_GT(covered, 64) << "the icon covers too little to be recognised";

  MoveMouseTo({0, 0});  // nothing hovers over the title bar
  RECT outer;
  GetWindowRect(program.window(), &outer);
  RECT client;
  GetClientRect(program.window(), &client);
  MapWindowPoints(program.window(), nullptr, reinterpret_cast<POINT*>(&client),
                  2);
  // The title bar: the strip above the client area, its left part.
  const RECT titleBar{outer.left, outer.top, outer.left + 64, client.top};
  EXPECT_TRUE(WaitFor([&] {
    return ContainsIcon(CaptureScreen(titleBar), icon);
  })) << "the title bar does not show DEFAULT_ICON";
}

}  // namespace
