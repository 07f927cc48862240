// Reading typed sums in 64 bits and writing sums short with Russian words for
// the powers of a thousand.
#include "money_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

#include "numbers.h"
#include "text.h"

namespace trivelon {

namespace {

constexpr std::uint64_t kLargestPositive = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kLargestNegative = kLargestPositive + 1;  // magnitude of the 64-bit minimum

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

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

std::optional<std::int64_t> TryParseInt64(std::string_view text) {
    const std::size_t firstNonBlank = text.find_first_not_of(' ');
    if (firstNonBlank == std::string_view::npos) return std::nullopt;
    text.remove_prefix(firstNonBlank);
    const bool negative = StartsWith(text, "-");
    if (negative || StartsWith(text, "+")) text.remove_prefix(1);
    int base = 10;
    for (std::string_view prefix : {"0x", "0X", "$", "x", "X"}) {
        if (StartsWith(text, prefix)) {
            base = 16;
            text.remove_prefix(prefix.size());
            break;
        }
    }
    // An unsigned magnitude takes no sign of its own, so "--5" and "-+5" fail.
    std::uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    if (magnitude > (negative ? kLargestNegative : kLargestPositive)) return std::nullopt;
    if (!negative) return static_cast<std::int64_t>(magnitude);
    // -(magnitude - 1) - 1 stays within range for the 64-bit minimum too.
    return magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
}

std::int64_t ParseLenientInt64(std::string_view text) { return TryParseInt64(text).value_or(0); }

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
