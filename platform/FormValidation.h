// The checks a form description passes before the platform takes it.
#pragma once

#include <cstddef>

#include "platform/FormDescription.h"

// True when every number is distinct and non-zero, every text and size is
// usable, the form has at most maxControls controls, and every event
// binding names a control of the form and a routine.
bool IsValidForm(const FormDescription& form, std::size_t maxControls);
