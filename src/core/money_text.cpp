// Writing sums short with words for the powers of a thousand.
#include "money_text.h"

#include <algorithm>
#include <array>
#include <limits>

#include "numbers.h"
#include "text.h"

namespace trivelon {

namespace {

// From the largest down; the last one has no word.
constexpr std::array<std::uint64_t, 7> kUnits{
    1'000'000'000'000'000'000, 1'000'000'000'000'000, 1'000'000'000'000, 1'000'000'000, 1'000'000, 1'000, 1};

std::uint64_t Magnitude(std::int64_t value) {
    return value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
}

// The largest unit the magnitude reaches, the last one below a thousand.
std::size_t UnitOf(std::uint64_t magnitude) {
    std::size_t unit = 0;
    while (kUnits[unit] > magnitude && unit + 1 < kUnits.size()) ++unit;
    return unit;
}

}  // namespace

std::string GroupedAmountText(std::int64_t value) {
    const std::string digits = IntegerText(value);
    const std::size_t first = value < 0 ? 1 : 0;
    std::string grouped = digits.substr(0, first);
    for (std::size_t i = first; i < digits.size(); ++i) {
        if (i > first && (digits.size() - i) % 3 == 0) grouped += kThousandsSeparator;
        grouped += digits[i];
    }
    return grouped;
}

std::string ShortAmountText(std::int64_t value, int fractionDigits, char decimalSeparator, Rounding rounding,
                            const UnitWords& words) {
    const std::uint64_t magnitude = Magnitude(value);
    std::size_t unit = UnitOf(magnitude);
    // Rounding can carry into the next unit: 999,96 млн is 1 млрд.
    for (;; --unit) {
        int digits = std::clamp(fractionDigits, 0, 18);  // 10^18 is the largest unit
        while (digits > 0 && static_cast<std::uint64_t>(PowerOfTen(digits)) > kUnits[unit]) --digits;
        const auto power = static_cast<std::uint64_t>(PowerOfTen(digits));
        const std::uint64_t divisor = kUnits[unit] / power;
        // magnitude <= 2^63 and a divisor <= 10^18 together stay below 2^64.
        const std::uint64_t carry = rounding == Rounding::Up ? divisor - 1 : divisor / 2;
        const std::uint64_t scaled = (magnitude + carry) / divisor;
        const std::uint64_t whole = scaled / power;
        if (whole >= 1000 && unit > 0) continue;

        // The fraction's digits with their leading zeros: 10^digits + fraction, less its first digit.
        const std::string fraction = IntegerText(static_cast<std::int64_t>(power + scaled % power)).substr(1);
        const std::string_view sign = value < 0 && scaled > 0 ? "-" : "";
        const std::string_view separator(&decimalSeparator, fraction.empty() ? 0 : 1);
        const bool worded = unit + 1 < kUnits.size();
        const std::string_view word = worded ? words[kUnits.size() - 2 - unit] : "";
        return Join(
            {sign, IntegerText(static_cast<std::int64_t>(whole)), separator, fraction, worded ? " " : "", word});
    }
}

int ExactFractionDigits(std::int64_t value) {
    const std::uint64_t magnitude = Magnitude(value);
    const std::uint64_t unitSize = kUnits[UnitOf(magnitude)];
    std::uint64_t rest = magnitude % unitSize;
    if (rest == 0) return 0;
    int digits = 0;
    for (std::uint64_t size = unitSize; size > 1; size /= 10) ++digits;
    for (; rest % 10 == 0; rest /= 10) --digits;
    return digits;
}

}  // namespace trivelon
