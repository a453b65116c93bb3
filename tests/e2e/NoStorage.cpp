// Text storage that is always exhausted: the fault-injection build of the
// end-to-end tests, never shipped.
#include "platform/win32/TextStorage.h"

char* AllocateText(std::size_t) { return nullptr; }

void FreeText(char*) {}
