#include "platform/MessageStyle.h"

#include "platform/PlatformTexts.h"
#include "platform/StyleBits.h"

std::uint32_t MessageBoxStyle(std::uint32_t requested) {
  if ((requested & msgbox::kSystemModal) != 0) return requested;
  return requested | msgbox::kTaskModal;
}

const char* MessageCaption(const char* requested) {
  return requested != nullptr ? requested : kDefaultMessageCaption;
}
