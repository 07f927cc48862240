// The money reader over arbitrary text. Input: a byte choosing the user's
// group separator (none, ".", ",", a no-break space), then the text. A sum
// is never negative; a text of digits alone reads as its plain value, the
// same digits grouped by thousands with spaces read the same, and "к" after
// them multiplies by a thousand, or each is too much past the 64-bit range.
#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.h"
#include "core/numbers.h"
#include "core/typed_sum.h"

using trivelon::TypedSum;
using trivelon::fuzz::Require;

namespace {

constexpr std::array<std::string_view, 4> kGroupSeparators{"", ".", ",", "\xC2\xA0"};

// The plain reading of digits alone: their value, or too much.
TypedSum PlainDigits(std::string_view digits, int thousands) {
    using boost::multiprecision::cpp_int;
    // Digit by digit: Boost would read a leading zero as octal.
    cpp_int value = 0;
    for (const char digit : digits) value = value * 10 + (digit - '0');
    for (int i = 0; i < thousands; ++i) value *= 1000;
    if (value > trivelon::kInt64Max) return {TypedSum::Reading::TooMuch};
    return {TypedSum::Reading::Zeny, value.convert_to<std::int64_t>()};
}

// The digits in groups of three from the right, parted by spaces.
std::string Grouped(std::string_view digits) {
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ' ';
        grouped += digits[i];
    }
    return grouped;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view group = kGroupSeparators[data[0] % kGroupSeparators.size()];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const TypedSum sum = trivelon::ReadTypedSum(text, group);
    if (sum.reading == TypedSum::Reading::Zeny)
        Require(sum.zeny >= 0, "a sum is never negative");
    else
        Require(sum.zeny == 0, "only a sum has zeny");

    // Digits alone (a leading zero is a digit like any other).
    if (text.empty() || text.size() > 40 || text.find_first_not_of("0123456789") != std::string_view::npos) return 0;
    Require(sum == PlainDigits(text, 0), "digits read as their plain value");
    Require(trivelon::ReadTypedSum(Grouped(text), group) == PlainDigits(text, 0),
            "grouped digits read as the same digits");
    Require(trivelon::ReadTypedSum(std::string(text) + "\xD0\xBA", group) == PlainDigits(text, 1),
            "\"к\" after digits is a thousand times them");
    Require(trivelon::ReadTypedSum(std::string(text) + "kk", group) == PlainDigits(text, 2),
            "\"kk\" after digits is a million times them");
    return 0;
}
