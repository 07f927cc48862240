#pragma once
// Sums of money shown whole: every digit where they fit their place, else
// shortened ("8,59 трлн") with every digit in the tool tip, never cut,
// shrunk or broken over two lines.
#include <cstdint>
#include <optional>

#include <QFont>
#include <QLabel>
#include <QString>

#include "core/money_text.h"

namespace trivelon::gui {

// A sum's text for a place: the whole text where it fits the width in the
// font with room on both sides, else the short one; the tool tip holds the
// whole text where the short one stands, and is empty otherwise. Past a hundred
// trillion even the short text can be too wide for a narrow place.
struct FittedAmount {
    QString text;
    QString toolTip;
    bool fits = true;
};
// A sum to put aside is shortened rounding up.
FittedAmount FitAmount(const QString& whole, std::int64_t value, const QFont& font, int width,
                       Rounding rounding = Rounding::Nearest);

// The sum in plain digits on the label ("слишком много" beyond 64 bits),
// shortened where the label is too narrow for it, and in a smaller font
// where even that is too wide, so that it never runs over its neighbour.
void ShowAmount(QLabel& label, const std::optional<std::int64_t>& value);

}  // namespace trivelon::gui
