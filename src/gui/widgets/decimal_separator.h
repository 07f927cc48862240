#pragma once
// The decimal separator of the user's number format, as the core takes it.

namespace trivelon::gui {

// The system locale's decimal point, or '.' where it is not a single ASCII
// character.
char SystemDecimalSeparator();

}  // namespace trivelon::gui
