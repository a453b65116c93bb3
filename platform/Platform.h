// The operations that the program asks of the windowing platform. Each
// platform defines them once: Win32 in platform/win32, a recording fake in
// the host tests.
#pragma once

#include <cstdint>

#include "platform/FormDescription.h"

// Passed as an owner when a message box belongs to no window.
inline constexpr WindowNumber kNoOwner = 0;

void StartPlatform();
void LoadStartWindow(WindowNumber number);
void RunEventLoop();

// A new copy of the control's whole text, owned by the caller, or nullptr
// when the control holds no text.
char* ReadControlText(WindowNumber window, ControlNumber control);
// Gives back a text from ReadControlText; nullptr is ignored.
void ReleaseText(char* text);

// Shows a message box and returns the button that closed it. A null
// caption stands for the platform's default caption.
int ShowMessage(const char* text, std::uint32_t style, const char* caption,
                WindowNumber owner);

// The platform's one way of reporting a failure it detects: an error box
// with one OK button, then the end of the process with exit code -1.
[[noreturn]] void ReportFatalError(const char* what);
