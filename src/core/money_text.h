#pragma once
// Sums of money written for people: whole in groups of thousands
// ("1 439 040 000"), or short for a chart ("250 тыс.", "1,5 млн").
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/translatable.h"

namespace trivelon {

// The narrow no-break space U+202F in UTF-8, which parts the groups.
inline constexpr std::string_view kThousandsSeparator = "\xE2\x80\xAF";

// What a sum beyond the 64-bit range reads as.
inline constexpr const char* kTooMuchMoneyText = TRIVELON_TEXT("Money", "слишком много");

// The words for a thousand, a million … a quintillion, from the smallest.
using UnitWords = std::array<std::string_view, 6>;
inline constexpr UnitWords kUnitWords{TRIVELON_TEXT("Money", "тыс."),    TRIVELON_TEXT("Money", "млн"),
                                      TRIVELON_TEXT("Money", "млрд"),    TRIVELON_TEXT("Money", "трлн"),
                                      TRIVELON_TEXT("Money", "квадрлн"), TRIVELON_TEXT("Money", "квинтлн")};

// Every digit, in groups of three from the right: "1 439 040 000", "-2 500", "950".
std::string GroupedAmountText(std::int64_t value);

// How a shortened sum treats the digits it drops: to the nearest, or up
// (away from zero), so that a sum to put aside never reads smaller than it is.
enum class Rounding { Nearest, Up };

// The sum in the largest of thousands, millions, billions... that it reaches,
// rounded to fractionDigits decimals, as many as that unit holds (none below
// a thousand): "0", "950", "1,5 тыс.", "250,0 тыс.", "1,25 млн", "2 млрд";
// with the words given, in another language.
std::string ShortAmountText(std::int64_t value, int fractionDigits, char decimalSeparator,
                            Rounding rounding = Rounding::Nearest, const UnitWords& words = kUnitWords);
// The fewest decimals that write the sum exactly in that unit: 0 for
// 2 000 000 000 ("2 млрд"), 2 for 1 250 000 ("1,25 млн").
int ExactFractionDigits(std::int64_t value);

}  // namespace trivelon
