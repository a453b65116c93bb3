// The platform's record of each window it has built and not yet destroyed.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/FormDescription.h"
#include "platform/FormLookup.h"

inline constexpr std::size_t kMaxControls = 16;

struct LiveWindow {
  const FormDescription* form;
  HWND window;
  HWND controls[kMaxControls];  // in the form's creation order
  HWND rememberedFocus;         // the control that had the focus last
};

// A fresh record for the form, or nullptr when every slot is taken.
LiveWindow* AddLiveWindow(const FormDescription& form);
void RemoveLiveWindow(const LiveWindow& live);
bool AnyWindowAlive();

LiveWindow* FindLiveWindow(WindowNumber number);
// The record of a top-level window that the platform built, or nullptr.
LiveWindow* FindLiveWindow(HWND window);

// The index of the control that is or holds `child`, or kNoControl.
int ControlIndexOf(const LiveWindow& live, HWND child);

// The description of the window's control `control`, or nullptr.
const ControlDescription* DescriptionOf(const LiveWindow& live, HWND control);
