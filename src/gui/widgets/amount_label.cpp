#include "gui/widgets/amount_label.h"

#include <algorithm>

#include <QFontMetrics>
#include <QVariant>

#include "core/money_text.h"
#include "gui/widgets/decimal_separator.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

namespace {

// The room a figure keeps from each side of its place, so that it never
// touches its neighbour.
constexpr int kSideRoom = 2;
// A short sum keeps at most two decimals of its unit: "8,59 трлн".
constexpr int kMostShortFractionDigits = 2;
// The smallest font a text too wide for its place is shrunk to.
constexpr int kSmallestPixels = 8;

}  // namespace

FittedAmount FitAmount(const QString& whole, std::int64_t value, const QFont& font, int width, Rounding rounding) {
    const QFontMetrics metrics(font);
    const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) + 2 * kSideRoom <= width; };
    if (fits(whole)) return {whole, QString()};
    // As many decimals as write the sum, up to two, and fewer where they do
    // not fit: "100 млн", not "100,00 млн".
    QString shortened;
    for (int digits = std::min(ExactFractionDigits(value), kMostShortFractionDigits); digits >= 0; --digits) {
        shortened = ShortAmount(value, digits, SystemDecimalSeparator(), rounding);
        if (fits(shortened)) return {shortened, whole};
    }
    return {shortened, whole, false};
}

void ShowAmount(QLabel& label, const std::optional<std::int64_t>& value) {
    // The label's own font is kept beside it the first time, since a text
    // too wide for it (too much to count, in bold) takes a smaller one.
    const char* const ownFont = "amountFont";
    if (!label.property(ownFont).isValid()) label.setProperty(ownFont, label.font());
    QFont font = label.property(ownFont).value<QFont>();
    const QString whole = WholeAmount(value);
    const FittedAmount fitted = value ? FitAmount(whole, *value, font, label.width()) : FittedAmount{whole, {}};
    const auto fits = [&] {
        return QFontMetrics(font).horizontalAdvance(fitted.text) + 2 * kSideRoom <= label.width();
    };
    while (!fits() && font.pixelSize() > kSmallestPixels) font.setPixelSize(font.pixelSize() - 1);
    label.setFont(font);
    label.setText(fitted.text);
    label.setToolTip(fitted.toolTip);
}

}  // namespace trivelon::gui
