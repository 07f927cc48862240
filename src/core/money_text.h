#pragma once
// Sums of money as text: read from a field where a player types a sum of up
// to 64 bits, and written short for a chart ("250 тыс.", "1,5 млн").
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace trivelon {

// Optional leading blanks, an optional sign, then decimal digits or hex digits
// after "$", "x", "X", "0x" or "0X"; nothing may follow and the value must fit
// a signed 64-bit integer. The syntax of the price fields, with a wider range.
std::optional<std::int64_t> TryParseInt64(std::string_view text);
// The same syntax; any failure gives 0.
std::int64_t ParseLenientInt64(std::string_view text);

// The sum in the largest of thousands, millions, billions... that it reaches,
// rounded to at most fractionDigits decimals without trailing zeros:
// "0", "950", "1,5 тыс.", "250 тыс.", "1,25 млн", "2 млрд".
std::string ShortAmountText(std::int64_t value, int fractionDigits, char decimalSeparator);

}  // namespace trivelon
