// The program's one comparison of texts.
#pragma once

// Byte for byte, up to and including the terminating zero; an absent text
// (nullptr) counts as empty. Nothing is folded, trimmed or converted.
bool TextEqual(const char* left, const char* right);
