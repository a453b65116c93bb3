#include "platform/FormLookup.h"

#include <cstddef>

const FormDescription* FindForm(std::span<const FormDescription* const> forms,
                                WindowNumber number) {
  for (const FormDescription* form : forms) {
    if (form->number == number) return form;
  }
  return nullptr;
}

int FindControl(const FormDescription& form, ControlNumber number) {
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    if (form.controls[i].number == number) return static_cast<int>(i);
  }
  return kNoControl;
}
