#include "gui/widgets/decimal_separator.h"

#include <QLocale>

namespace trivelon::gui {

char SystemDecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    if (point.size() != 1 || point.at(0).unicode() > 0x7F) return '.';
    return static_cast<char>(point.at(0).unicode());
}

}  // namespace trivelon::gui
