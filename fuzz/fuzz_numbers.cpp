// Whole and decimal numbers read from arbitrary text: the parsers agree with
// each other, and what they accept survives a round trip through the
// formatter. The first byte picks the decimal separator.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <boost/multiprecision/cpp_int.hpp>

#include "check.h"
#include "core/numbers.h"

using trivelon::fuzz::Require;

namespace {

void CheckWholeNumber(std::string_view text) {
    const auto strict = trivelon::ParseStrictInt(text);
    const auto tried = trivelon::TryParseInt(text);
    Require(strict.ok() == tried.has_value(), "strict and optional whole-number parsers agree");
    Require(trivelon::ParseLenientInt(text) == (strict ? *strict : 0), "lenient parse is the strict value or 0");
    if (!strict) return;
    Require(*strict == *tried, "strict and optional parsers give the same value");

    const std::string digits = std::to_string(*strict);
    const auto again = trivelon::ParseStrictInt(digits);
    Require(again && *again == *strict, "a whole number's decimal digits parse back to it");
    Require(trivelon::FormatGeneral(*strict, '.') == digits, "a whole number formats as its decimal digits");
}

// The reading of a plain decimal is the extended value nearest to the exact
// quotient digits / 10^scale, an exact half going to the even significand.
// Checked in whole numbers, apart from the code that reads it.
void CheckNearest(const trivelon::ExactDecimal& exact, const trivelon::Extended& value) {
    using boost::multiprecision::cpp_int;
    cpp_int digits = 0;
    for (char c : exact.digits) digits = digits * 10 + (c - '0');
    if (digits == 0) {
        Require(value == 0, "a decimal of zeros reads as zero");
        return;
    }
    Require(value != 0 && (value < 0) == exact.negative, "a plain decimal keeps its sign");
    // |value| = significand x 2^(power - 64), the significand of 64 bits.
    int power = 0;
    const auto fraction = frexp(abs(value).value(), &power);
    const cpp_int significand = ldexp(fraction, 64).convert_to<cpp_int>();
    // The exact decimal, the value read and half a last place, all in quarters
    // of the last place times 10^scale.
    const cpp_int scale = pow(cpp_int(10), static_cast<unsigned>(exact.scale));
    cpp_int wanted = digits;
    cpp_int read = significand * scale * 4;
    cpp_int half = scale * 2;
    if (power <= 66) {
        wanted <<= static_cast<unsigned>(66 - power);
    } else {
        read <<= static_cast<unsigned>(power - 66);
        half <<= static_cast<unsigned>(power - 66);
    }
    // Below the lowest significand of a binary power, the last place halves.
    const cpp_int halfBelow = significand == (cpp_int(1) << 63) ? half / 2 : half;
    const cpp_int above = wanted - read;
    Require(above <= half && -above <= halfBelow, "a plain decimal reads as its nearest extended value");
    if (above == half || -above == halfBelow)
        Require(!bit_test(significand, 0), "an exact half goes to the even value");
}

void CheckDecimalNumber(std::string_view text, char separator) {
    const auto value = trivelon::ParseStrictFloat(text, separator);
    const auto exact = trivelon::ParseExactDecimal(text, separator);
    if (exact) {
        Require(value.ok(), "a text read exactly is also a valid floating point value");
        CheckNearest(*exact, *value);
    }
    if (!value) return;
    Require(isfinite(*value), "an accepted decimal is finite");

    const std::string shown = trivelon::FormatGeneral(*value, separator);
    const auto reread = trivelon::ParseStrictFloat(shown, separator);
    Require(reread.ok(), "a formatted decimal parses back");
    Require(trivelon::FormatGeneral(*reread, separator) == shown, "formatting a re-read decimal gives the same text");
    if (*value != 0)
        Require(abs(*reread - *value) <= abs(*value) * trivelon::Extended("1e-14"),
                "15 significant digits keep the value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckWholeNumber(text);
    CheckDecimalNumber(text, separator);
    return 0;
}
