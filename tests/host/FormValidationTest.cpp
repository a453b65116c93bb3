#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "login/LoginForm.h"
#include "platform/FormValidation.h"

namespace {

constexpr std::size_t kRoom = 16;

TEST(FormValidation, LoginWindowIsValid) {
  EXPECT_TRUE(IsValidForm(kLoginWindowForm, kRoom));
}

TEST(FormValidation, TooManyControlsForThePlatform) {
  EXPECT_FALSE(
      IsValidForm(kLoginWindowForm, kLoginWindowForm.controls.size() - 1));
  EXPECT_TRUE(IsValidForm(kLoginWindowForm, kLoginWindowForm.controls.size()));
}

struct Fault {
  const char* title;
  void (*spoil)(std::vector<ControlDescription>&, std::vector<EventBinding>&,
                FormDescription&);
};

void PrintTo(const Fault& value, std::ostream* os) { *os << value.title; }

class BrokenForm : public testing::TestWithParam<Fault> {};

TEST_P(BrokenForm, IsRefused) {
  std::vector<ControlDescription> controls(kLoginWindowForm.controls.begin(),
                                           kLoginWindowForm.controls.end());
  std::vector<EventBinding> bindings(kLoginWindowForm.bindings.begin(),
                                     kLoginWindowForm.bindings.end());
  FormDescription form = kLoginWindowForm;
  GetParam().spoil(controls, bindings, form);
  form.controls = controls;
  form.bindings = bindings;
  EXPECT_FALSE(IsValidForm(form, kRoom));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenForm,
    testing::Values(
        Fault{"DuplicateControlNumber",
              [](auto& c, auto&, auto&) { c[3].number = c[2].number; }},
        Fault{"ControlNumberOfTheWindow",
              [](auto& c, auto&, auto& f) { c[0].number = f.number; }},
        Fault{"ZeroControlNumber",
              [](auto& c, auto&, auto&) { c[1].number = 0; }},
        Fault{"NoText", [](auto& c, auto&, auto&) { c[0].text = nullptr; }},
        Fault{"EmptySize",
              [](auto& c, auto&, auto&) {
                c[4].size = {0, 24};
              }},
        Fault{"NegativeLimit",
              [](auto& c, auto&, auto&) { c[2].edit.maxLength = -1; }},
        Fault{"BindingToUnknownControl",
              [](auto&, auto& b, auto&) { b[0].source = 0x1234; }},
        Fault{"BindingWithoutRoutine",
              [](auto&, auto& b, auto&) { b[0].routine = nullptr; }},
        Fault{"NoCaption", [](auto&, auto&, auto& f) { f.caption = nullptr; }},
        Fault{"WindowWithoutSize",
              [](auto&, auto&, auto& f) {
                f.size = {380, 0};
              }}),
    [](const auto& param) { return param.param.title; });

}  // namespace
