#pragma once
// Whole numbers and decimal numbers as the program reads them from control
// texts and writes them back, the same in every locale: the only decimal
// separator is the one passed in. Every value is a signed 32-bit integer or an
// extended-precision float; arithmetic that could leave the 32-bit range is
// done wider and checked with ToInt32.
#include <cfloat>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "result.h"

namespace trivelon {

static_assert(LDBL_MANT_DIG == 64, "long double must be the 80-bit extended type (64-bit significand)");

using Int128 = __int128;

// Optional leading blanks, an optional sign, then decimal digits or hex digits
// after "$", "x", "X", "0x" or "0X"; nothing may follow and the value must fit
// a signed 32-bit integer. Fails with "'<text>' is not a valid integer value".
Result<std::int32_t> ParseStrictInt(std::string_view text);
std::optional<std::int32_t> TryParseInt(std::string_view text);
// The same syntax; any failure gives 0.
std::int32_t ParseLenientInt(std::string_view text);

// Plain decimal digits with a leading "-" when negative.
std::string IntegerText(std::int64_t value);

std::string IntegerMessage(std::string_view text);
std::string FloatMessage(std::string_view text);

// General format: at most 15 significant digits, no trailing zeros, fixed
// notation from 1E-5 up to 15 integer digits, otherwise "1.5E20" style.
std::string FormatGeneral(long double value, char decimalSeparator);
// Blanks around a sign, digits with an optional decimal separator and an
// optional exponent. Fails with "'<text>' is not a valid floating point value".
Result<long double> ParseStrictFloat(std::string_view text, char decimalSeparator);

// A plain decimal without exponent read exactly as mantissa / 10^scale, for
// arithmetic that must not suffer binary rounding. Empty when the text has an
// exponent or too many digits to hold.
struct ExactDecimal {
    Int128 mantissa;
    int scale;
};
std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, char decimalSeparator);

// a + b and a x b, or nothing where the result leaves the 64-bit range; in
// plain portable C++, without a wider type or compiler built-ins.
std::optional<std::int64_t> CheckedSum(std::int64_t a, std::int64_t b);
std::optional<std::int64_t> CheckedProduct(std::int64_t a, std::int64_t b);

// The message for a result that does not fit the 32-bit range shown.
extern const char* const kOutOfRangeMessage;

Result<std::int32_t> ToInt32(Int128 value);
// The smallest integer not below the value, as a 32-bit integer.
Result<std::int32_t> Ceil(long double value);
// Ceiling of a / b for b > 0.
Int128 CeilDiv(Int128 a, Int128 b);

}  // namespace trivelon
