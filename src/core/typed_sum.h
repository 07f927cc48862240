#pragma once
// A sum of money as players type it: "1 000 000", "250'000", "1,5кк", "500к".
#include <cstdint>
#include <string_view>

namespace trivelon {

struct TypedSum {
    enum class Reading {
        Blank,       // nothing but blanks: no sum asked about
        Zeny,        // a sum, in zeny
        Unreadable,  // not a sum as people write one
        TooMuch,     // a sum beyond the 64-bit range
    };
    Reading reading = Reading::Blank;
    std::int64_t zeny = 0;  // the sum, for Reading::Zeny

    friend bool operator==(const TypedSum&, const TypedSum&) = default;
};

// Reads decimal digits, grouped by thousands or not, between optional blanks
// (space, tab, no-break and narrow no-break space). Groups after the first
// hold three digits each and are parted by a space, a no-break space, a
// narrow no-break space, an apostrophe or the given group separator (the
// user's own; empty for none). The digits may end in the game's shorthand:
// "к" a thousand, "кк" a million, "ккк" a billion, Cyrillic or Latin k in
// either case, optionally after blanks; only then may a decimal part follow
// the digits, after "." or "," ("1,5кк" is 1 500 000). A decimal part finer
// than one zeny is dropped, since a part of a zeny buys nothing. No sign,
// no hexadecimal.
TypedSum ReadTypedSum(std::string_view text, std::string_view groupSeparator);

}  // namespace trivelon
