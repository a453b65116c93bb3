// The forms this program hands to the platform.
#include "login/LoginForm.h"
#include "platform/FormLookup.h"

namespace {
constexpr const FormDescription* kForms[] = {&kLoginWindowForm};
}  // namespace

std::span<const FormDescription* const> ProgramForms() { return kForms; }
