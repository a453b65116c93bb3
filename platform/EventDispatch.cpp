#include "platform/EventDispatch.h"

namespace {
// A push button's notification that it has been clicked (BN_CLICKED).
constexpr unsigned kButtonClicked = 0;
}  // namespace

std::optional<Event> EventFromNotification(ControlKind kind,
                                           unsigned notification) {
  if (kind == ControlKind::Button && notification == kButtonClicked) {
    return Event::Clicked;
  }
  return std::nullopt;
}

Routine FindRoutine(const FormDescription& form, ControlNumber source,
                    Event event) {
  for (const EventBinding& binding : form.bindings) {
    if (binding.source == source && binding.event == event) {
      return binding.routine;
    }
  }
  return nullptr;
}

void RaiseEvent(const FormDescription& form, ControlNumber source,
                Event event) {
  if (Routine routine = FindRoutine(form, source, event)) routine();
}
