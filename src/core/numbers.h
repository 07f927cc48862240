#pragma once
// Whole numbers and decimal numbers as the program reads them from typed
// texts and writes them back, the same in every locale: the only decimal
// separator is the one passed in. Every value is a signed 32-bit integer or an
// extended-precision float; arithmetic that could leave the 32-bit range is
// done in 64 bits with explicit range checks.
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "extended.h"
#include "result.h"

namespace trivelon {

// Optional leading blanks, an optional sign, then decimal digits or hex digits
// after "$", "x", "X", "0x" or "0X"; nothing may follow and the value must fit
// a signed 32-bit integer. Fails with "'<text>' is not a valid integer value".
Result<std::int32_t> ParseStrictInt(std::string_view text);
std::optional<std::int32_t> TryParseInt(std::string_view text);
// The same syntax; any failure gives 0.
std::int32_t ParseLenientInt(std::string_view text);
// The same syntax over the signed 64-bit range, for sums of money.
std::optional<std::int64_t> TryParseInt64(std::string_view text);
std::int64_t ParseLenientInt64(std::string_view text);

// Plain decimal digits with a leading "-" when negative.
std::string IntegerText(std::int64_t value);

Message FloatMessage(std::string_view text);

// General format: at most 15 significant digits, no trailing zeros, fixed
// notation from 1E-5 up to 15 integer digits, otherwise "1.5E20" style.
std::string FormatGeneral(const Extended& value, char decimalSeparator);
// Blanks around a sign, digits with an optional decimal separator and an
// optional exponent, rounded once to extended precision. Fails with "'<text>'
// is not a valid floating point value", also for a value beyond the range.
Result<Extended> ParseStrictFloat(std::string_view text, char decimalSeparator);

// A plain decimal without exponent read exactly as its digits, for
// arithmetic that must not suffer binary rounding: the value is
// (-)digits / 10^scale. Empty when the text has an exponent or more than 30
// digits.
struct ExactDecimal {
    bool negative = false;
    std::string digits;  // without the separator, leading zeros included
    int scale = 0;       // how many of the digits stand after the separator

    // The signed digits as one 64-bit number; empty where they need more.
    std::optional<std::int64_t> mantissa() const;
};
std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, char decimalSeparator);

// The value exactly as the general format shows it in fixed notation (from
// 1E-5 up to 15 integer digits): its 15 significant digits, correctly
// rounded, without trailing zeros after the separator.
ExactDecimal ShownDecimal(const Extended& value);
// "84.1", "0.00123", "-7": the decimal's digits with the separator where its
// scale puts it.
std::string DecimalText(const ExactDecimal& value, char decimalSeparator);

// The 64-bit range, in which every sum of money is counted.
inline constexpr std::int64_t kInt64Min = std::numeric_limits<std::int64_t>::min();
inline constexpr std::int64_t kInt64Max = std::numeric_limits<std::int64_t>::max();

// 10 to the power given, for exponents 0 to 18 (the powers that fit 64 bits).
constexpr std::int64_t PowerOfTen(int exponent) {
    std::int64_t power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

// a + b and a x b, or nothing where the result leaves the 64-bit range; in
// plain portable C++, without a wider type or compiler built-ins.
std::optional<std::int64_t> CheckedSum(std::int64_t a, std::int64_t b);
std::optional<std::int64_t> CheckedProduct(std::int64_t a, std::int64_t b);

// The message for a result that does not fit the 32-bit range shown.
extern const char* const kOutOfRangeMessage;

Result<std::int32_t> ToInt32(std::int64_t value);
// The smallest integer not below the value, or nothing beyond the 64-bit range.
std::optional<std::int64_t> CeilToInt64(const Extended& value);
// The nearest integer, an exact half going to the even neighbour, or nothing
// beyond 2^62 either way.
std::optional<std::int64_t> RoundHalfEvenToInt64(const Extended& value);

}  // namespace trivelon
