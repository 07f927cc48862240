// Whole and decimal numbers read from arbitrary text: the parsers agree with
// each other, and what they accept survives a round trip through the
// formatter. The first byte picks the decimal separator.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

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

// The exact reading of a plain decimal is its digits over 10^scale; read as
// one decimal number it is the floating-point reading.
void CheckExactDecimal(const trivelon::ExactDecimal& exact, const trivelon::Extended& value) {
    const std::string digits = exact.digits.empty() ? std::string("0") : exact.digits;
    const trivelon::Extended quotient((exact.negative ? "-" : "") + digits + "e-" + std::to_string(exact.scale));
    Require(quotient == value, "exact and floating readings agree");
}

void CheckDecimalNumber(std::string_view text, char separator) {
    const auto value = trivelon::ParseStrictFloat(text, separator);
    const auto exact = trivelon::ParseExactDecimal(text, separator);
    if (exact) {
        Require(value.ok(), "a text read exactly is also a valid floating point value");
        CheckExactDecimal(*exact, *value);
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
