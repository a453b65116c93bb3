// How a label lays out its caption (DrawText flags).
#pragma once

#include "platform/FormDescription.h"

unsigned LabelDrawFlags(const LabelSettings& label);
