#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "login/LoginForm.h"
#include "platform/FormLookup.h"
#include "platform/StyleBits.h"
#include "platform/WindowStyle.h"

namespace {

const ControlDescription& LoginControl(ControlNumber number) {
  return kLoginWindowForm.controls[static_cast<std::size_t>(
      FindControl(kLoginWindowForm, number))];
}

TEST(WindowStyle, LoginWindowIsAFixedFrameWithMinimiseButtonOnly) {
  const WindowStyles styles = ComputeWindowStyle(kLoginWindowForm);
  // WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN
  EXPECT_EQ(styles.style, 0x02CA0000U);
  EXPECT_EQ(styles.exStyle, 0U);
  EXPECT_EQ(styles.lateExStyle, 0U);
}

struct ControlStyleCase {
  ControlNumber control;
  std::uint32_t style;
  std::uint32_t lateExStyle;
};

void PrintTo(const ControlStyleCase& value, std::ostream* os) {
  *os << std::hex << "control 0x" << value.control;
}

class LoginControlStyle : public testing::TestWithParam<ControlStyleCase> {};

TEST_P(LoginControlStyle, MatchesItsKindAndFlags) {
  const WindowStyles styles =
      ComputeControlStyle(LoginControl(GetParam().control));
  EXPECT_EQ(styles.style, GetParam().style);
  EXPECT_EQ(styles.exStyle, 0U) << "created without extended style";
  EXPECT_EQ(styles.lateExStyle, GetParam().lateExStyle);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, LoginControlStyle,
    testing::Values(
        // WS_CHILD | WS_CLIPSIBLINGS
        ControlStyleCase{标签1, 0x44000000, 0},
        ControlStyleCase{标签2, 0x44000000, 0},
        // ... | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, then WS_EX_CLIENTEDGE
        ControlStyleCase{编辑框1, 0x44010080, 0x200},
        ControlStyleCase{编辑框2, 0x44010080, 0x200},
        // ... | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER |
        // BS_MULTILINE
        ControlStyleCase{按钮1, 0x44012F00, 0}));

TEST(WindowStyle, PasswordBoxShowsWhatIsTyped) {
  EXPECT_EQ(
      ComputeControlStyle(LoginControl(编辑框2)).style & style::kEditPassword,
      0U);
}

// Each setting changes exactly its own bits.
struct WindowSettingCase {
  const char* title;
  void (*change)(FormDescription&);
  std::uint32_t added;
  std::uint32_t removed;
};

void PrintTo(const WindowSettingCase& value, std::ostream* os) {
  *os << value.title;
}

class WindowSetting : public testing::TestWithParam<WindowSettingCase> {};

TEST_P(WindowSetting, ChangesItsBits) {
  const std::uint32_t base = ComputeWindowStyle(kLoginWindowForm).style;
  FormDescription form = kLoginWindowForm;
  GetParam().change(form);
  const std::uint32_t changed = ComputeWindowStyle(form).style;
  EXPECT_EQ(changed & ~base, GetParam().added);
  EXPECT_EQ(base & ~changed, GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WindowSetting,
    testing::Values(
        WindowSettingCase{"Sizable",
                          [](FormDescription& f) {
                            f.settings.border = BorderStyle::Sizable;
                          },
                          style::kThickFrame, 0},
        WindowSettingCase{
            "NoBorder",
            [](FormDescription& f) { f.settings.border = BorderStyle::None; },
            0, style::kCaption | style::kSysMenu | style::kMinimiseBox},
        WindowSettingCase{
            "MaximiseButton",
            [](FormDescription& f) { f.settings.maximiseButton = true; },
            style::kMaximiseBox, 0},
        WindowSettingCase{
            "NoMinimiseButton",
            [](FormDescription& f) { f.settings.minimiseButton = false; }, 0,
            style::kMinimiseBox},
        WindowSettingCase{
            "NoControlBox",
            [](FormDescription& f) { f.settings.controlBox = false; }, 0,
            style::kSysMenu | style::kMinimiseBox},
        WindowSettingCase{"Disabled",
                          [](FormDescription& f) { f.enabled = false; },
                          style::kDisabled, 0}),
    [](const auto& param) { return param.param.title; });

struct ControlSettingCase {
  const char* title;
  ControlDescription control;
  std::uint32_t present;
  std::uint32_t absent;
};

void PrintTo(const ControlSettingCase& value, std::ostream* os) {
  *os << value.title;
}

class ControlSetting : public testing::TestWithParam<ControlSettingCase> {};

TEST_P(ControlSetting, GivesItsBits) {
  const std::uint32_t bits = ComputeControlStyle(GetParam().control).style;
  EXPECT_EQ(bits & GetParam().present, GetParam().present);
  EXPECT_EQ(bits & GetParam().absent, 0U);
}

constexpr ControlDescription Edit(EditSettings settings, bool tabStop = true) {
  return {.kind = ControlKind::EditBox,
          .name = "e",
          .number = 1,
          .position = {0, 0},
          .size = {10, 10},
          .tabStop = tabStop,
          .edit = settings};
}

constexpr ControlDescription Button(ButtonSettings settings) {
  return {.kind = ControlKind::Button,
          .name = "b",
          .number = 1,
          .position = {0, 0},
          .size = {10, 10},
          .button = settings};
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ControlSetting,
    testing::Values(
        ControlSettingCase{"NoTabStop", Edit({}, false), 0, style::kTabStop},
        ControlSettingCase{"Password", Edit({.password = true}),
                           style::kEditPassword, 0},
        ControlSettingCase{"ReadOnly", Edit({.readOnly = true}),
                           style::kEditReadOnly, 0},
        ControlSettingCase{"KeepsSelection", Edit({.hideSelection = false}),
                           style::kEditNoHideSel, 0},
        ControlSettingCase{"MultiLine", Edit({.multiLine = true}),
                           style::kEditMultiLine | style::kEditAutoVScroll,
                           style::kEditAutoHScroll},
        ControlSettingCase{
            "RightAligned", Edit({.alignment = HorizontalAlignment::Right}),
            style::kEditRight, style::kEditCentre & ~style::kEditRight},
        ControlSettingCase{"ButtonTopLeft",
                           Button({.horizontal = HorizontalAlignment::Left,
                                   .vertical = VerticalAlignment::Top}),
                           style::kButtonLeft | style::kButtonMultiLine,
                           style::kButtonRight | style::kButtonBottom}),
    [](const auto& param) { return param.param.title; });

TEST(ControlStyle, PlainBoxGetsNoSunkenEdge) {
  EXPECT_EQ(ComputeControlStyle(Edit({.sunkenBorder = false})).lateExStyle, 0U);
}

}  // namespace
