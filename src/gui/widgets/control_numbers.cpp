#include "gui/widgets/control_numbers.h"

#include "core/numbers.h"
#include "gui/widgets/error_reporter.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

std::int32_t StrictWholeNumber(const QString& text) { return Take(ParseStrictInt(CoreText(text))); }

}  // namespace trivelon::gui
