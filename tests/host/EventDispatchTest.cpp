#include <gtest/gtest.h>

#include "login/CheckLogin.h"
#include "login/LoginForm.h"
#include "platform/EventDispatch.h"

namespace {

int g_clicks = 0;
void CountClick() { ++g_clicks; }

constexpr ControlDescription kControls[] = {
    {.kind = ControlKind::Button,
     .name = "a",
     .number = 7,
     .position = {0, 0},
     .size = {9, 9}},
    {.kind = ControlKind::Button,
     .name = "b",
     .number = 8,
     .position = {0, 0},
     .size = {9, 9}},
};
constexpr EventBinding kBindings[] = {
    {.source = 7, .event = Event::Clicked, .routine = CountClick}};
const FormDescription kForm = {.number = 1,
                               .caption = "t",
                               .position = {0, 0},
                               .size = {9, 9},
                               .controls = kControls,
                               .bindings = kBindings};

TEST(RaiseEvent, CallsTheBoundRoutineOnceAndNothingElse) {
  g_clicks = 0;
  RaiseEvent(kForm, 7, Event::Clicked);
  EXPECT_EQ(g_clicks, 1);
  RaiseEvent(kForm, 8, Event::Clicked);  // unbound: nothing happens
  RaiseEvent(kForm, 99, Event::Clicked);
  EXPECT_EQ(g_clicks, 1);
}

TEST(EventFromNotification, OnlyAButtonsClickRaisesClicked) {
  EXPECT_EQ(EventFromNotification(ControlKind::Button, 0),
            Event::Clicked);  // BN_CLICKED
  EXPECT_EQ(EventFromNotification(ControlKind::Button, 5),
            std::nullopt);  // BN_DOUBLECLICKED
  EXPECT_EQ(EventFromNotification(ControlKind::Button, 6),
            std::nullopt);  // BN_SETFOCUS
  EXPECT_EQ(EventFromNotification(ControlKind::EditBox, 0), std::nullopt);
  EXPECT_EQ(EventFromNotification(ControlKind::EditBox, 0x300),
            std::nullopt);  // EN_CHANGE
  EXPECT_EQ(EventFromNotification(ControlKind::Label, 0), std::nullopt);
}

TEST(LoginBindings, OnlyTheButtonsClickDoesSomething) {
  for (const ControlDescription& control : kLoginWindowForm.controls) {
    const Routine expected = control.number == 按钮1 ? CheckLogin : nullptr;
    EXPECT_EQ(FindRoutine(kLoginWindowForm, control.number, Event::Clicked),
              expected)
        << control.number;
  }
}

}  // namespace
