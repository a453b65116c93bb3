#include <gtest/gtest.h>

#include "login/LoginForm.h"
#include "platform/LabelDrawing.h"
#include "platform/StyleBits.h"

namespace {

TEST(LabelDrawing, LoginLabelsAreOneLineFromTheLeftVerticallyCentred) {
  for (const ControlDescription& control : kLoginWindowForm.controls) {
    if (control.kind != ControlKind::Label) continue;
    // DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP
    EXPECT_EQ(LabelDrawFlags(control.label), 0x124U) << control.number;
  }
}

TEST(LabelDrawing, AlignmentAndWrapping) {
  EXPECT_EQ(LabelDrawFlags({.horizontal = HorizontalAlignment::Right,
                            .vertical = VerticalAlignment::Bottom}),
            draw::kRight | draw::kBottom | draw::kSingleLine | draw::kNoClip);
  // Wrapped text cannot be centred vertically by the system.
  EXPECT_EQ(LabelDrawFlags(
                {.horizontal = HorizontalAlignment::Centre, .wordWrap = true}),
            draw::kCentre | draw::kWordBreak | draw::kNoClip);
}

}  // namespace
