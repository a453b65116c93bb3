// Storage for the text copies the platform hands out.
#pragma once

#include <cstddef>

// nullptr when no storage is left.
char* AllocateText(std::size_t bytes);
void FreeText(char* text);
