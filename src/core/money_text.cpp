// Writing sums short with Russian words for the powers of a thousand.
#include "money_text.h"

#include <algorithm>
#include <array>
#include <limits>

#include "numbers.h"
#include "text.h"

namespace trivelon {

namespace {

struct Unit {
    std::uint64_t size;
    std::string_view word;
};

// From the largest down; the last one has no word.
constexpr std::array<Unit, 7> kUnits{{{1'000'000'000'000'000'000, "квинтлн"},
                                      {1'000'000'000'000'000, "квадрлн"},
                                      {1'000'000'000'000, "трлн"},
                                      {1'000'000'000, "млрд"},
                                      {1'000'000, "млн"},
                                      {1'000, "тыс."},
                                      {1, ""}}};

std::uint64_t PowerOfTen(int exponent) {
    std::uint64_t power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

}  // namespace

std::string ShortAmountText(std::int64_t value, int fractionDigits, char decimalSeparator) {
    const std::uint64_t magnitude =
        value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    std::size_t unit = 0;
    while (kUnits[unit].size > magnitude && unit + 1 < kUnits.size()) ++unit;
    // Rounding can carry into the next unit: 999,96 млн is 1 млрд.
    for (;; --unit) {
        int digits = std::clamp(fractionDigits, 0, 18);  // 10^18 is the largest unit
        while (digits > 0 && PowerOfTen(digits) > kUnits[unit].size) --digits;
        const std::uint64_t divisor = kUnits[unit].size / PowerOfTen(digits);
        // magnitude <= 2^63 and half a divisor <= 5 x 10^17 together stay below 2^64.
        const std::uint64_t scaled = (magnitude + divisor / 2) / divisor;
        const std::uint64_t whole = scaled / PowerOfTen(digits);
        if (whole >= 1000 && unit > 0) continue;

        // The fraction's digits with their leading zeros: 10^digits + fraction, less its first digit.
        std::string fraction =
            IntegerText(static_cast<std::int64_t>(PowerOfTen(digits) + scaled % PowerOfTen(digits))).substr(1);
        while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
        const std::string_view sign = value < 0 && scaled > 0 ? "-" : "";
        const std::string_view separator(&decimalSeparator, fraction.empty() ? 0 : 1);
        const std::string_view space = kUnits[unit].word.empty() ? "" : " ";
        return Join(
            {sign, IntegerText(static_cast<std::int64_t>(whole)), separator, fraction, space, kUnits[unit].word});
    }
}

}  // namespace trivelon
