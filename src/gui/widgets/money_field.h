#pragma once
// An edit that holds a sum of money as players type it ("1 500", "12к",
// "1,5кк"): read as it stands, never rewritten while typed.
#include <cstdint>

#include <QLineEdit>

namespace trivelon::gui {

// The sum the edit holds; 0 for an empty edit, and 0 for a text that cannot
// be read or lies beyond 64 bits, which then turns red with
// UnreadableSumToolTip() after the field's name.
std::int64_t ReadMoneyField(QLineEdit& edit);

}  // namespace trivelon::gui
