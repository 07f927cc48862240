#pragma once
// Writes a completed forge request into its result window, in the order the
// user sees the window fill: picture and texts, rate, statistics, recipe rows
// and the cost estimate last.
#include "core/forge_request.h"

namespace trivelon::gui {

class ForgeResultWindow;

// Every picture is loaded from its file; the first picture that cannot be
// loaded stops the filling (HandlerError), leaving what was written so far.
void FillResultWindow(ForgeResultWindow& window, const ForgeState& state);

}  // namespace trivelon::gui
