#include "platform/StartPosition.h"

Point StartPosition(const FormDescription& form, Size screen) {
  if (form.settings.start != StartPlacement::CentredOnScreen) {
    return form.position;
  }
  // C++ integer division truncates toward zero, as the placement requires.
  return {(screen.width - form.size.width) / 2,
          (screen.height - form.size.height) / 2};
}
