// Addition and subtraction of extended-precision numbers, rounded once, and
// decimal numbers rounded once to extended precision.
#include "extended.h"

#include <array>
#include <limits>

#include <boost/multiprecision/cpp_int.hpp>

namespace trivelon {

namespace {

using boost::multiprecision::cpp_int;

// The exact sum of two 64-bit significands up to 128 binary places apart fits
// 192 bits; farther apart, the smaller lies so far below half a unit in the
// last place of the larger that a rounding at 192 bits cannot move the sum
// across a tie. Either way, rounding the wide sum gives the correctly
// rounded one.
using Wide = boost::multiprecision::number<
    boost::multiprecision::cpp_bin_float<192, boost::multiprecision::digit_base_2, void, std::int32_t, -16600, 16600>,
    boost::multiprecision::et_off>;

// Binary exponents of the largest and the smallest normal value.
constexpr std::int64_t kLargestBinaryPower = 16383;
constexpr std::int64_t kSmallestBinaryPower = -16382;
// Decimal powers of the leading digit beyond which a value is infinite
// (the largest value is about 1.19E4932) or zero (the smallest normal value
// is about 3.36E-4932).
constexpr std::int64_t kLargestLeadingPower = 4932;
constexpr std::int64_t kSmallestLeadingPower = -4932;
// Every tie between two neighbouring extended values is a binary fraction of
// at most 11,516 significant decimal digits, so none lies strictly between
// two decimals of this many digits: past them, the digits only tell whether
// the value lies above the decimal they end, and one more digit 1 says so.
constexpr std::size_t kSignificantDigits = 11'600;

Extended Infinity() { return Extended(std::numeric_limits<Extended::Float>::infinity()); }

// Decimal digits as a whole number, read 18 at a time.
cpp_int WholeNumber(std::string_view digits) {
    constexpr std::size_t kChunk = 18;
    constexpr std::array<std::uint64_t, kChunk + 1> kPowers = [] {
        std::array<std::uint64_t, kChunk + 1> powers{1};
        for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
        return powers;
    }();
    cpp_int value = 0;
    for (std::size_t start = 0; start < digits.size(); start += kChunk) {
        const std::string_view chunk = digits.substr(start, kChunk);
        std::uint64_t part = 0;
        for (char c : chunk) part = part * 10 + static_cast<std::uint64_t>(c - '0');
        value = value * kPowers[chunk.size()] + part;
    }
    return value;
}

// A positive quotient of whole numbers rounded once to 64 significant bits,
// an exact half going to the even neighbour.
Extended RoundedQuotient(cpp_int numerator, cpp_int denominator) {
    // Scaled by 2^shift, the quotient has 64 or 65 bits.
    std::int64_t shift = 64 + static_cast<std::int64_t>(msb(denominator)) - static_cast<std::int64_t>(msb(numerator));
    if (shift > 0)
        numerator <<= static_cast<unsigned>(shift);
    else
        denominator <<= static_cast<unsigned>(-shift);
    cpp_int quotient;
    cpp_int rest;
    divide_qr(numerator, denominator, quotient, rest);
    int fromHalf = 0;  // whether what is cut off is below (-1), at (0) or above (1) half a unit
    if (msb(quotient) == 64) {
        const bool cutBit = bit_test(quotient, 0);
        quotient >>= 1;
        --shift;
        fromHalf = !cutBit ? -1 : rest != 0 ? 1 : 0;
    } else {
        const cpp_int twiceRest = rest << 1;
        fromHalf = twiceRest < denominator ? -1 : twiceRest > denominator ? 1 : 0;
    }
    if (fromHalf > 0 || (fromHalf == 0 && bit_test(quotient, 0))) ++quotient;
    const std::int64_t leadingPower = static_cast<std::int64_t>(msb(quotient)) - shift;
    if (leadingPower > kLargestBinaryPower) return Infinity();
    if (leadingPower < kSmallestBinaryPower) return Extended(0);
    return Extended(ldexp(Extended::Float(quotient), static_cast<int>(-shift)));
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Extended operator+(const Extended& a, const Extended& b) {
    return Extended(Extended::Float(Wide(a.value()) + Wide(b.value())));
}

Extended operator-(const Extended& a, const Extended& b) {
    return Extended(Extended::Float(Wide(a.value()) - Wide(b.value())));
}

Extended Extended::FromDecimal(std::string_view digits, std::int64_t exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return Extended(0);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
    digits = digits.substr(first, last + 1 - first);
    const std::int64_t leadingPower = exponent + static_cast<std::int64_t>(digits.size()) - 1;
    if (leadingPower > kLargestLeadingPower) return Infinity();
    if (leadingPower < kSmallestLeadingPower) return Extended(0);

    std::string shortened;
    if (digits.size() > kSignificantDigits) {
        // The tail ends in a nonzero digit, so it is never zero.
        shortened = std::string(digits.substr(0, kSignificantDigits)) + '1';
        exponent += static_cast<std::int64_t>(digits.size() - shortened.size());
        digits = shortened;
    }
    cpp_int numerator = WholeNumber(digits);
    cpp_int denominator = 1;
    if (exponent >= 0)
        numerator *= pow(cpp_int(10), static_cast<unsigned>(exponent));
    else
        denominator = pow(cpp_int(10), static_cast<unsigned>(-exponent));
    return RoundedQuotient(std::move(numerator), std::move(denominator));
}

Extended::Extended(std::string_view text) : value_(std::numeric_limits<Float>::quiet_NaN()) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::string digits;
    std::int64_t exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) digits += text[i];
    if (i < text.size() && text[i] == '.')
        for (++i; i < text.size() && IsDigit(text[i]); ++i, --exponent) digits += text[i];
    if (digits.empty()) return;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        const bool negativePower = ++i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        if (i == text.size()) return;
        // Far beyond any power that leaves a value neither zero nor infinite.
        constexpr std::int64_t kBeyondAnyRange = 1'000'000;
        std::int64_t power = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            if (power < kBeyondAnyRange) power = power * 10 + (text[i] - '0');
        exponent += negativePower ? -power : power;
    }
    if (i != text.size()) return;
    const Extended magnitude = FromDecimal(digits, exponent);
    value_ = negative ? -magnitude.value_ : magnitude.value_;
}

}  // namespace trivelon
