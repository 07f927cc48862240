// Reading and writing whole and decimal numbers, and the checked conversions
// that keep every shown integer within the 32-bit range.
#include "numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include <boost/multiprecision/cpp_int.hpp>

#include "text.h"

namespace trivelon {

const char* const kOutOfRangeMessage = TRIVELON_TEXT("Messages", "Результат слишком велик для расчёта");

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && text[i] == ' ') ++i;
    return i;
}

// The syntax shared by decimal numbers: sign, digits, separator, digits and
// optionally an exponent. Fills the parts; false when the text does not fit.
struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool hasExponent = false;
    std::string_view exponent;  // with its sign
};

bool SplitDecimal(std::string_view text, char separator, DecimalParts& parts) {
    std::size_t i = SkipBlanks(text, 0);
    std::size_t end = text.size();
    while (end > i && text[end - 1] == ' ') --end;
    if (i < end && (text[i] == '+' || text[i] == '-')) parts.negative = text[i++] == '-';
    std::size_t start = i;
    while (i < end && IsDigit(text[i])) ++i;
    parts.integerDigits = text.substr(start, i - start);
    if (i < end && text[i] == separator) {
        start = ++i;
        while (i < end && IsDigit(text[i])) ++i;
        parts.fractionDigits = text.substr(start, i - start);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        parts.hasExponent = true;
        start = ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t digits = i;
        while (i < end && IsDigit(text[i])) ++i;
        if (i == digits) return false;
        parts.exponent = text.substr(start, i - start);
    }
    return i == end;
}

// The exponent's value, held far beyond any exponent extended precision can
// reach so that no text overflows it.
std::int64_t ExponentValue(const DecimalParts& parts) {
    constexpr std::int64_t kBeyondAnyRange = 1'000'000'000'000'000;
    std::int64_t value = 0;
    for (char c : parts.exponent)
        if (IsDigit(c) && value < kBeyondAnyRange) value = value * 10 + (c - '0');
    return !parts.exponent.empty() && parts.exponent[0] == '-' ? -value : value;
}

// The magnitude of the parts rounded once to extended precision, without the
// process locale taking part. Empty when the value is too large to hold; zero
// below the normal range.
std::optional<Extended> ReadMagnitude(const DecimalParts& parts) {
    const Extended value =
        Extended::FromDecimal(Join({parts.integerDigits, parts.fractionDigits}),
                              ExponentValue(parts) - static_cast<std::int64_t>(parts.fractionDigits.size()));
    if (!isfinite(value)) return std::nullopt;
    return value;
}

constexpr int kShownDigits = 15;

// The first digits of a positive value, correctly rounded (an exact half to
// the even digit), and the power of ten of the first digit: 1234.56 to three
// digits is "123" and 3. Worked out in whole numbers from the value's exact
// binary form, so that no stream and no locale takes part.
struct Digits {
    std::string digits;
    int exponent;
};

Digits SignificantDigits(const Extended& magnitude, int count) {
    using boost::multiprecision::cpp_int;
    int binaryExponent = 0;
    const Extended::Float fraction = frexp(magnitude.value(), &binaryExponent);  // in [0.5, 1)
    const cpp_int significand = ldexp(fraction, 64).convert_to<cpp_int>();
    const int shift = binaryExponent - 64;  // magnitude = significand * 2^shift
    std::uint64_t lowest = 1;               // 10^(count - 1)
    for (int i = 1; i < count; ++i) lowest *= 10;
    // log10(2) estimates the decimal exponent; the loop mends it by one.
    int exponent = static_cast<int>(std::floor((binaryExponent - 1) * 0.301029995663981));
    for (;;) {
        cpp_int numerator = significand;
        cpp_int denominator = 1;
        if (shift >= 0)
            numerator <<= shift;
        else
            denominator <<= -shift;
        const int scale = count - 1 - exponent;
        if (scale >= 0)
            numerator *= pow(cpp_int(10), static_cast<unsigned>(scale));
        else
            denominator *= pow(cpp_int(10), static_cast<unsigned>(-scale));
        cpp_int rounded = numerator / denominator;
        const cpp_int twiceRest = 2 * (numerator % denominator);
        if (twiceRest > denominator || (twiceRest == denominator && bit_test(rounded, 0))) ++rounded;
        if (rounded >= cpp_int(lowest) * 10) {
            ++exponent;
        } else if (rounded < lowest) {
            --exponent;
        } else {
            return {IntegerText(rounded.convert_to<std::int64_t>()), exponent};
        }
    }
}

}  // namespace

std::string IntegerText(std::int64_t value) {
    char buffer[24];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

namespace {

Message IntegerMessage(std::string_view text) {
    return {TRIVELON_TEXT("Messages", "'%1' is not a valid integer value"), {std::string(text)}};
}

}  // namespace

Message FloatMessage(std::string_view text) {
    return {TRIVELON_TEXT("Messages", "'%1' is not a valid floating point value"), {std::string(text)}};
}

std::optional<std::int64_t> TryParseInt64(std::string_view text) {
    std::size_t i = SkipBlanks(text, 0);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    // The magnitude is read without a sign, so "--5" and "-+5" fail.
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    std::uint64_t magnitude = 0;
    const auto [stop, error] = std::from_chars(first, last, magnitude, base);
    if (first == last || error != std::errc() || stop != last) return std::nullopt;
    constexpr std::uint64_t kLargest = kInt64Max;
    if (magnitude > (negative ? kLargest + 1 : kLargest)) return std::nullopt;
    if (!negative) return static_cast<std::int64_t>(magnitude);
    // -(magnitude - 1) - 1 stays within range for the 64-bit minimum too.
    return magnitude == 0 ? 0 : -static_cast<std::int64_t>(magnitude - 1) - 1;
}

std::int64_t ParseLenientInt64(std::string_view text) { return TryParseInt64(text).value_or(0); }

std::optional<std::int32_t> TryParseInt(std::string_view text) {
    const std::optional<std::int64_t> value = TryParseInt64(text);
    if (!value || *value < kInt32Min || *value > kInt32Max) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

Result<std::int32_t> ParseStrictInt(std::string_view text) {
    if (auto value = TryParseInt(text)) return *value;
    return Error{IntegerMessage(text)};
}

std::int32_t ParseLenientInt(std::string_view text) { return TryParseInt(text).value_or(0); }

std::string FormatGeneral(const Extended& value, char decimalSeparator) {
    if (isnan(value)) return "NAN";
    if (isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    std::string result = value < 0 ? "-" : "";
    auto [digits, exponent] = SignificantDigits(abs(value), kShownDigits);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent >= 15 || exponent < -5) {
        result += digits[0];
        if (digits.size() > 1) result += decimalSeparator + digits.substr(1);
        return result + "E" + IntegerText(exponent);
    }
    return DecimalText(ShownDecimal(value), decimalSeparator);
}

ExactDecimal ShownDecimal(const Extended& value) {
    if (value == 0) return {false, "0", 0};
    auto [digits, exponent] = SignificantDigits(abs(value), kShownDigits);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    const auto size = static_cast<int>(digits.size());
    // The first digit stands for 10^exponent, the last for 10^-scale.
    if (exponent + 1 >= size)
        return {value < 0, digits + std::string(static_cast<std::size_t>(exponent + 1 - size), '0'), 0};
    return {value < 0, digits, size - exponent - 1};
}

std::string DecimalText(const ExactDecimal& value, char decimalSeparator) {
    std::string text = value.negative ? "-" : "";
    const std::size_t scale = static_cast<std::size_t>(value.scale);
    if (scale == 0) return text + value.digits;
    if (value.digits.size() > scale) {
        const std::size_t integerDigits = value.digits.size() - scale;
        return text + value.digits.substr(0, integerDigits) + decimalSeparator + value.digits.substr(integerDigits);
    }
    return text + "0" + decimalSeparator + std::string(scale - value.digits.size(), '0') + value.digits;
}

Result<Extended> ParseStrictFloat(std::string_view text, char decimalSeparator) {
    DecimalParts parts;
    if (!SplitDecimal(text, decimalSeparator, parts)) return Error{FloatMessage(text)};
    const std::optional<Extended> magnitude = ReadMagnitude(parts);
    if (!magnitude) return Error{FloatMessage(text)};
    return parts.negative ? -*magnitude : *magnitude;
}

std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, char decimalSeparator) {
    DecimalParts parts;
    if (!SplitDecimal(text, decimalSeparator, parts) || parts.hasExponent) return std::nullopt;
    constexpr std::size_t kMaxDigits = 30;
    if (parts.integerDigits.size() + parts.fractionDigits.size() > kMaxDigits) return std::nullopt;
    return ExactDecimal{parts.negative, Join({parts.integerDigits, parts.fractionDigits}),
                        static_cast<int>(parts.fractionDigits.size())};
}

std::optional<std::int64_t> ExactDecimal::mantissa() const {
    std::optional<std::int64_t> value = 0;
    for (char c : digits) {
        if (value) value = CheckedProduct(*value, 10);
        if (value) value = CheckedSum(*value, negative ? -(c - '0') : c - '0');
    }
    return value;
}

std::optional<std::int64_t> CheckedSum(std::int64_t a, std::int64_t b) {
    if ((b > 0 && a > kInt64Max - b) || (b < 0 && a < kInt64Min - b)) return std::nullopt;
    return a + b;
}

std::optional<std::int64_t> CheckedProduct(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) return 0;
    const bool beyond =
        a > 0 ? (b > 0 ? a > kInt64Max / b : b < kInt64Min / a) : (b > 0 ? a < kInt64Min / b : a < kInt64Max / b);
    if (beyond) return std::nullopt;
    return a * b;
}

Result<std::int32_t> ToInt32(std::int64_t value) {
    if (value < kInt32Min || value > kInt32Max) return Error{kOutOfRangeMessage};
    return static_cast<std::int32_t>(value);
}

std::optional<std::int64_t> CeilToInt64(const Extended& value) {
    if (!isfinite(value)) return std::nullopt;
    const Extended whole = ceil(value);
    // Both limits are exact in a 64-bit significand.
    const Extended lowest(kInt64Min);
    const Extended highest(kInt64Max);
    if (!(whole >= lowest && whole <= highest)) return std::nullopt;
    return whole.convertTo<std::int64_t>();
}

std::optional<std::int64_t> RoundHalfEvenToInt64(const Extended& value) {
    if (!isfinite(value)) return std::nullopt;
    const Extended below = floor(value);
    // Within 2^62 either way, so that below + 1 stays in range.
    const Extended limit(std::int64_t{1} << 62);
    if (!(below >= -limit && below <= limit)) return std::nullopt;
    // Both distances are exact: the value and its floor share their leading bits.
    const Extended toBelow = value - below;
    const Extended toAbove = below + 1 - value;
    const std::int64_t low = below.convertTo<std::int64_t>();
    return toBelow < toAbove ? low : toAbove < toBelow ? low + 1 : low + (low % 2 != 0);
}

}  // namespace trivelon
