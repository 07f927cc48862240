#pragma once
// Sums of money written short for a chart ("250 тыс.", "1,5 млн").
#include <cstdint>
#include <string>

namespace trivelon {

// The sum in the largest of thousands, millions, billions... that it reaches,
// rounded to at most fractionDigits decimals without trailing zeros:
// "0", "950", "1,5 тыс.", "250 тыс.", "1,25 млн", "2 млрд".
std::string ShortAmountText(std::int64_t value, int fractionDigits, char decimalSeparator);

}  // namespace trivelon
