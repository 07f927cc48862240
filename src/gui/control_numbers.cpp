#include "gui/control_numbers.h"

#include "core/numbers.h"
#include "gui/error_reporter.h"

namespace trivelon::gui {

std::int32_t StrictWholeNumber(const QString& text) { return Take(ParseStrictInt(text.toStdString())); }

}  // namespace trivelon::gui
