// Text copies live on the process heap.
#include "platform/win32/TextStorage.h"

#include <windows.h>

char* AllocateText(std::size_t bytes) {
  return static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, bytes));
}

void FreeText(char* text) { HeapFree(GetProcessHeap(), 0, text); }
