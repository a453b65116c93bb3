// LoginWindow: its numbers and its form description.
#pragma once

#include "platform/FormDescription.h"

inline constexpr WindowNumber kLoginWindow = 0x52010001;

inline constexpr ControlNumber 标签1 = 0x16010002;
inline constexpr ControlNumber 标签2 = 0x16010003;
inline constexpr ControlNumber 编辑框1 = 0x16010004;  // the account box
inline constexpr ControlNumber 编辑框2 = 0x16010005;  // the password box
inline constexpr ControlNumber 按钮1 = 0x16010006;    // "登录"

extern const FormDescription kLoginWindowForm;
