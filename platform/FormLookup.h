// Finding forms and controls by their numbers.
#pragma once

#include <span>

#include "platform/FormDescription.h"

inline constexpr int kNoControl = -1;

// The program's forms, which the platform loads by window number.
std::span<const FormDescription* const> ProgramForms();

const FormDescription* FindForm(std::span<const FormDescription* const> forms,
                                WindowNumber number);

// The control's index in creation order, or kNoControl.
int FindControl(const FormDescription& form, ControlNumber number);
