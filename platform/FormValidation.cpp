#include "platform/FormValidation.h"

#include <algorithm>

#include "platform/FormLookup.h"

namespace {

bool IsUsableSize(Size size) { return size.width > 0 && size.height > 0; }

bool AreControlsValid(const FormDescription& form) {
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const ControlDescription& control = form.controls[i];
    if (control.number == 0 || control.number == form.number) return false;
    if (control.name == nullptr || control.text == nullptr) return false;
    if (!IsUsableSize(control.size) || control.edit.maxLength < 0) {
      return false;
    }
    // The first control with this number must be this one.
    if (FindControl(form, control.number) != static_cast<int>(i)) return false;
  }
  return true;
}

bool AreBindingsValid(const FormDescription& form) {
  return std::ranges::all_of(form.bindings, [&](const EventBinding& binding) {
    return binding.routine != nullptr &&
           FindControl(form, binding.source) != kNoControl;
  });
}

}  // namespace

bool IsValidForm(const FormDescription& form, std::size_t maxControls) {
  return form.number != 0 && form.caption != nullptr &&
         IsUsableSize(form.size) && form.controls.size() <= maxControls &&
         AreControlsValid(form) && AreBindingsValid(form);
}
