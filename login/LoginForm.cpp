#include "login/LoginForm.h"

#include "login/CheckLogin.h"

namespace {

// Creation order. Every setting not named keeps its kind's default: the
// boxes are plain, sunken, unlimited and show what is typed in clear.
constexpr ControlDescription kControls[] = {
    {.kind = ControlKind::Label,
     .name = "标签1",
     .number = 标签1,
     .position = {40, 32},
     .size = {64, 40},
     .text = "登录账号："},
    {.kind = ControlKind::Label,
     .name = "标签2",
     .number = 标签2,
     .position = {40, 88},
     .size = {64, 32},
     .text = "登录密码："},
    {.kind = ControlKind::EditBox,
     .name = "编辑框1",
     .number = 编辑框1,
     .position = {112, 40},
     .size = {112, 32},
     .tabStop = true},
    {.kind = ControlKind::EditBox,
     .name = "编辑框2",
     .number = 编辑框2,
     .position = {112, 88},
     .size = {112, 32},
     .tabStop = true},
    {.kind = ControlKind::Button,
     .name = "按钮1",
     .number = 按钮1,
     .position = {280, 64},
     .size = {72, 24},
     .text = "登录",
     .tabStop = true},
};

constexpr EventBinding kBindings[] = {
    {.source = 按钮1, .event = Event::Clicked, .routine = CheckLogin},
};

}  // namespace

const FormDescription kLoginWindowForm = {
    .number = kLoginWindow,
    .caption = "Vantrel_1",
    .position = {50, 50},
    .size = {380, 195},
    .settings = {.border = BorderStyle::FixedSingle,
                 .maximiseButton = false,
                 .start = StartPlacement::CentredOnScreen,
                 .escapeCloses = true},
    .controls = kControls,
    .bindings = kBindings,
};
