#pragma once
// The windows are drawn in four classic Windows font families. Where one of
// them is not installed, a close installed family is named in its place.
#include <QString>

namespace trivelon::gui {

// The family itself when it is installed; otherwise the first installed
// family of its stand-ins; otherwise the family itself, which leaves the
// choice to the font system's own fallback search.
QString InstalledFamilyFor(const QString& family);

}  // namespace trivelon::gui
