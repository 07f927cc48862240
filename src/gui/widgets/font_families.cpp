#include "gui/widgets/font_families.h"

#include <QFontDatabase>
#include <QStringList>

namespace trivelon::gui {
namespace {

// For each family the windows ask for, the families that stand in for it
// when it is not installed, best first. They are the families fontconfig's
// own rules choose on a Linux desktop (metric-compatible Liberation fonts for
// Arial, DejaVu Sans for the others), so naming them directly draws exactly
// what the fallback search would. That search asks fontconfig to sort every
// installed font for each family, style and size, and costs more than
// building the rest of the main window; naming an installed family skips it.
struct StandIns {
    const char* family;
    const char* standIns[2];
};

constexpr StandIns kStandIns[] = {
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Arial Narrow", {"Liberation Sans Narrow", nullptr}},
    {"Verdana", {"DejaVu Sans", nullptr}},
    {"MS Sans Serif", {"DejaVu Sans", nullptr}},
};

// The installed families as the font database lists them, read once: asking
// the database about one family at a time resolves aliases through
// fontconfig on every call.
const QStringList& InstalledFamilies() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

QString Resolve(const StandIns& entry) {
    QString family = QLatin1String(entry.family);
    if (InstalledFamilies().contains(family)) return family;
    for (const char* standIn : entry.standIns) {
        if (standIn && InstalledFamilies().contains(QLatin1String(standIn))) return QLatin1String(standIn);
    }
    return family;
}

}  // namespace

QString InstalledFamilyFor(const QString& family) {
    for (const StandIns& entry : kStandIns) {
        if (family == QLatin1String(entry.family)) return Resolve(entry);
    }
    return family;
}

}  // namespace trivelon::gui
