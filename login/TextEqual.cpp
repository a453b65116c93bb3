#include "login/TextEqual.h"

bool TextEqual(const char* left, const char* right) {
  const char* a = left != nullptr ? left : "";
  const char* b = right != nullptr ? right : "";
  while (*a == *b) {
    if (*a == '\0') return true;
    ++a;
    ++b;
  }
  return false;
}
