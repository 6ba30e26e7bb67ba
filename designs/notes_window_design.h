// The notes window's stored design; its two texts are the construction
// notes (calc/construction_notes.h).
#pragma once

#include "calc/construction_notes.h"
#include "designs/window_design.h"

#include <string_view>

namespace varnel {

extern const WindowDesign kForm2Design;

} // namespace varnel
