#include <gtest/gtest.h>

#include <ostream>

#include "login/LoginForm.h"
#include "platform/KeyDecision.h"
#include "platform/StyleBits.h"

namespace {

constexpr unsigned kSpace = 0x20;
constexpr unsigned kF4 = 0x73;
constexpr unsigned kLetterA = 'A';

struct KeyCase {
  const char* title;
  KeyPress key;
  KeyAction action;
};

void PrintTo(const KeyCase& value, std::ostream* os) { *os << value.title; }

class LoginKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(LoginKeys, DecideWhatTheWindowDoes) {
  EXPECT_EQ(DecideKey(GetParam().key, kLoginWindowForm.settings),
            GetParam().action);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LoginKeys,
    testing::Values(
        KeyCase{"Tab", {key::kTab, false, false, false}, KeyAction::FocusNext},
        KeyCase{"ShiftTab",
                {key::kTab, true, false, false},
                KeyAction::FocusPrevious},
        KeyCase{"Escape",
                {key::kEscape, false, false, false},
                KeyAction::CloseWindow},
        KeyCase{"ShiftEscape",
                {key::kEscape, true, false, false},
                KeyAction::CloseWindow},
        KeyCase{
            "Enter", {key::kReturn, false, false, false}, KeyAction::PassOn},
        KeyCase{"F1", {key::kF1, false, false, false}, KeyAction::PassOn},
        KeyCase{"Space", {kSpace, false, false, false}, KeyAction::PassOn},
        KeyCase{"Letter", {kLetterA, false, false, false}, KeyAction::PassOn},
        // Chords of the system stay the system's.
        KeyCase{"AltTab", {key::kTab, false, false, true}, KeyAction::PassOn},
        KeyCase{
            "AltEscape", {key::kEscape, false, false, true}, KeyAction::PassOn},
        KeyCase{"CtrlEscape",
                {key::kEscape, false, true, false},
                KeyAction::PassOn},
        KeyCase{"CtrlTab", {key::kTab, false, true, false}, KeyAction::PassOn},
        KeyCase{"AltF4", {kF4, false, false, true}, KeyAction::PassOn},
        KeyCase{
            "AltLetter", {kLetterA, false, false, true}, KeyAction::PassOn}),
    [](const auto& param) { return param.param.title; });

TEST(KeyDecision, SettingsTurnEscapeAndEnterOnAndOff) {
  WindowSettings settings = kLoginWindowForm.settings;
  settings.escapeCloses = false;
  EXPECT_EQ(DecideKey({key::kEscape, false, false, false}, settings),
            KeyAction::PassOn);
  settings.enterMovesFocus = true;
  EXPECT_EQ(DecideKey({key::kReturn, false, false, false}, settings),
            KeyAction::FocusNext);
}

}  // namespace
