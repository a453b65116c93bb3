// The five controls of LoginWindow, as another program finds them: in
// creation order, each with its class, styles, place, size and text.
#include "tests/e2e/Capture.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/Input.h"

namespace {

struct Expected {
  const char* name;
  int index;
  const char* className;
  LONG style;
  LONG exStyle;
  RECT place;  // left, top, width, height in the client area
  const std::string* text;
};

const std::string kNoText;
constexpr LONG kChild = WS_CHILD | WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr LONG kEdit = kChild | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
constexpr LONG kButtonStyle =
    kChild | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;

const Expected kControls[] = {
    {"Label1",
     kLabel1,
     "VantrelLabel",
     kChild,
     0,
     {40, 32, 64, 40},
     &bytes::kLabel1},
    {"Label2",
     kLabel2,
     "VantrelLabel",
     kChild,
     0,
     {40, 88, 64, 32},
     &bytes::kLabel2},
    {"Edit1",
     kEdit1,
     "Edit",
     kEdit,
     WS_EX_CLIENTEDGE,
     {112, 40, 112, 32},
     &kNoText},
    {"Edit2",
     kEdit2,
     "Edit",
     kEdit,
     WS_EX_CLIENTEDGE,
     {112, 88, 112, 32},
     &kNoText},
    {"Button1",
     kButton,
     "Button",
     kButtonStyle,
     0,
     {280, 64, 72, 24},
     &bytes::kButton},
};

void PrintTo(const Expected& control, std::ostream* out) {
  *out << control.name;
}

class Control : public ProgramTest,
                public testing::WithParamInterface<Expected> {};

TEST_P(Control, IsBuiltAsDescribed) {
  const Expected& expected = GetParam();
  HWND control = program.control(expected.index);
  ASSERT_NE(control, nullptr);
  char name[64] = {};
  GetClassNameA(control, name, sizeof name);
  EXPECT_STREQ(name, expected.className);
  EXPECT_EQ(GetParent(control), program.window());
  EXPECT_EQ(GetWindowLongA(control, GWL_STYLE), expected.style)
      << std::hex << "style 0x" << GetWindowLongA(control, GWL_STYLE);
  EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), expected.exStyle);
  RECT outer;
  GetWindowRect(control, &outer);
  MapWindowPoints(nullptr, program.window(), reinterpret_cast<POINT*>(&outer),
                  2);
  EXPECT_EQ(outer.left, expected.place.left);
  EXPECT_EQ(outer.top, expected.place.top);
  EXPECT_EQ(outer.right - outer.left, expected.place.right);
  EXPECT_EQ(outer.bottom - outer.top, expected.place.bottom);
  EXPECT_EQ(Program::Text(control), *expected.text);
  EXPECT_TRUE(IsWindowEnabled(control));
}

INSTANTIATE_TEST_SUITE_P(, Control, testing::ValuesIn(kControls),
                         [](const auto& test) {
                           return std::string(test.param.name);
                         });

using Controls = ProgramTest;

TEST_F(Controls, AreFiveInAll) {
  EXPECT_NE(program.control(kButton), nullptr);
  EXPECT_EQ(program.control(kControlCount), nullptr);
}

class EditBox : public ProgramTest, public testing::WithParamInterface<int> {};

TEST_P(EditBox, HasTheSystemsLimitAndNoMask) {
  HWND edit = control(GetParam());
  EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
  EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), 0);
  DWORD start = 1, end = 1;
  SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 0u);
}

// Wine answers no WM_GETFONT from another process; the places of the
// characters show which font lays out the text.
TEST_P(EditBox, LaysOutTextInTheGuiFont) {
  HWND edit = control(GetParam());
  const std::string text = "The quick brown fox jumps over 0123456789";
  Program::SetText(edit, text);
  const auto x = [&](int index) {
    return static_cast<short>(LOWORD(
        SendMessageA(edit, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0)));
  };
  const auto extent = [&](int stock, int count) {
    HDC screen = GetDC(nullptr);
    HGDIOBJ before = SelectObject(screen, GetStockObject(stock));
    SIZE size{};
    GetTextExtentPoint32A(screen, text.c_str(), count, &size);
    SelectObject(screen, before);
    ReleaseDC(nullptr, screen);
    return size.cx;
  };
  const int last = static_cast<int>(text.size()) - 1;
  ASSERT_NE(extent(DEFAULT_GUI_FONT, last), extent(SYSTEM_FONT, last));
  EXPECT_EQ(x(last) - x(0), extent(DEFAULT_GUI_FONT, last));
}

INSTANTIATE_TEST_SUITE_P(, EditBox, testing::Values(kEdit1, kEdit2),
                         [](const auto& test) {
                           return std::string(test.param == kEdit1 ? "Edit1"
                                                                   : "Edit2");
                         });

class Label : public ProgramTest, public testing::WithParamInterface<int> {};

TEST_P(Label, IsPaintedWithItsCaptionInTheGuiFont) {
  HWND label = control(GetParam());
  RECT outer;
  GetWindowRect(label, &outer);
  const std::string caption = Program::Text(label);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  const Image expected =
      RenderLabel(caption, width, height, GetStockObject(DEFAULT_GUI_FONT));
  ASSERT_NE(expected,
            RenderLabel(caption, width, height, GetStockObject(SYSTEM_FONT)));
  EXPECT_TRUE(WaitFor([&] { return CaptureScreen(outer) == expected; }));
}

INSTANTIATE_TEST_SUITE_P(, Label, testing::Values(kLabel1, kLabel2),
                         [](const auto& test) {
                           return std::string(test.param == kLabel1 ? "Label1"
                                                                    : "Label2");
                         });

// The caption's ink on the button has the size that DEFAULT_GUI_FONT gives it.
TEST_F(Controls, ButtonCaptionIsDrawnInTheGuiFont) {
  MoveMouseTo({0, 0});  // the button is drawn without hover
  const auto inkSize = [](const Image& image, int margin) {
    const RECT ink = InkBounds(image, margin);
    return std::pair{ink.right - ink.left, ink.bottom - ink.top};
  };
  const auto expected =
      inkSize(RenderText(bytes::kButton, GetStockObject(DEFAULT_GUI_FONT)), 0);
  ASSERT_NE(
      expected,
      inkSize(RenderText(bytes::kButton, GetStockObject(SYSTEM_FONT)), 0));
  RECT outer;
  GetWindowRect(control(kButton), &outer);
  EXPECT_TRUE(WaitFor([&] {
    return inkSize(CaptureScreen(outer), 4) == expected;
  })) << "ink "
      << inkSize(CaptureScreen(outer), 4).first << "x"
      << inkSize(CaptureScreen(outer), 4).second << ", expected "
      << expected.first << "x" << expected.second;
}

}  // namespace
