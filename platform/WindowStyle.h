// Win32 styles computed from the settings of a form description.
#pragma once

#include <cstdint>

#include "platform/FormDescription.h"

struct WindowStyles {
  std::uint32_t style;    // given at creation; WS_VISIBLE comes with showing
  std::uint32_t exStyle;  // given at creation
  std::uint32_t lateExStyle;  // added once the window is set up
};

WindowStyles ComputeWindowStyle(const FormDescription& form);
WindowStyles ComputeControlStyle(const ControlDescription& control);
