// Delivering the events of a window's controls to the bound routines.
#pragma once

#include <optional>

#include "platform/FormDescription.h"

// The event a control raises for one of its notification codes, if any.
std::optional<Event> EventFromNotification(ControlKind kind,
                                           unsigned notification);

// The routine the form binds to the control's event, or nullptr.
Routine FindRoutine(const FormDescription& form, ControlNumber source,
                    Event event);

// Calls the bound routine, if there is one, and returns once it has
// returned. An event without a routine does nothing.
void RaiseEvent(const FormDescription& form, ControlNumber source, Event event);
