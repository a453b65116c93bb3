// How a requested message box is shown.
#pragma once

#include <cstdint>

// Every box is at least task-modal, so the program's windows take no input
// while it is open; a system-modal request stays system-modal.
std::uint32_t MessageBoxStyle(std::uint32_t requested);

// The caption to show: the given one, or the platform's default.
const char* MessageCaption(const char* requested);
