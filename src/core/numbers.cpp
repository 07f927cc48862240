// Reading and writing whole and decimal numbers, and the checked conversions
// that keep every shown integer within the 32-bit range.
#include "numbers.h"
#include "text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace trivelon {

const char* const kOutOfRangeMessage = "Результат слишком велик для расчёта";

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

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

// The power of ten of the leading significant digit; the digits are not all zero.
std::int64_t LeadingDecade(const DecimalParts& parts, std::int64_t exponent) {
    const std::size_t integerStart = parts.integerDigits.find_first_not_of('0');
    if (integerStart != std::string_view::npos)
        return exponent + static_cast<std::int64_t>(parts.integerDigits.size() - integerStart) - 1;
    return exponent - static_cast<std::int64_t>(parts.fractionDigits.find_first_not_of('0')) - 1;
}

// Moving a value below the normal range up by 10^27 brings every subnormal
// into it; 10^27 = 2^27 * 5^27 is exact in extended precision.
constexpr std::int64_t kSubnormalShift = 27;
constexpr long double kSubnormalScale = 1e27L;

// The magnitude of the parts in extended precision, rounded to nearest, by
// std::from_chars, which never consults the process locale. Empty when the
// value is too large to hold. std::from_chars reports a value below the
// normal range as out of range without giving it; that value is read scaled
// up into the normal range and scaled back (rounded twice, which can differ
// from one rounding in a subnormal's last place), and one too small even for
// that is zero.
std::optional<long double> ReadMagnitude(const DecimalParts& parts) {
    const std::int64_t exponent = ExponentValue(parts);
    long double value = 0;
    auto read = [&](std::int64_t scaledExponent) {
        const std::string plain = Join({parts.integerDigits.empty() ? "0" : parts.integerDigits, ".",
                                        parts.fractionDigits, "e", IntegerText(scaledExponent)});
        return std::from_chars(plain.data(), plain.data() + plain.size(), value).ec;
    };
    const std::errc outcome = read(exponent);
    if (outcome == std::errc()) return value;
    if (outcome != std::errc::result_out_of_range || LeadingDecade(parts, exponent) >= 0) return std::nullopt;
    if (read(exponent + kSubnormalShift) != std::errc()) return 0.0L;
    return value / kSubnormalScale;
}

}  // namespace

std::string IntegerText(std::int64_t value) {
    char buffer[24];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
}

std::string IntegerMessage(std::string_view text) { return Join({"'", text, "' is not a valid integer value"}); }

std::string FloatMessage(std::string_view text) { return Join({"'", text, "' is not a valid floating point value"}); }

std::optional<std::int32_t> TryParseInt(std::string_view text) {
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
    if (i == text.size()) return std::nullopt;
    const std::int64_t limit = negative ? -kInt32Min : kInt32Max;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        int digit = DigitValue(text[i], base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

Result<std::int32_t> ParseStrictInt(std::string_view text) {
    if (auto value = TryParseInt(text)) return *value;
    return Error{IntegerMessage(text)};
}

std::int32_t ParseLenientInt(std::string_view text) { return TryParseInt(text).value_or(0); }

std::string FormatGeneral(long double value, char decimalSeparator) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    // "d.dddddddddddddde±x", correctly rounded, in every locale.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t mark = text.find('e');
    std::string result = text[0] == '-' ? "-" : "";
    std::string digits;
    for (char c : text.substr(0, mark))
        if (IsDigit(c)) digits += c;
    const std::size_t exponentStart = mark + (text[mark + 1] == '+' ? 2 : 1);
    int exponent = 0;
    std::from_chars(text.data() + exponentStart, text.data() + text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent >= 15 || exponent < -5) {
        result += digits[0];
        if (digits.size() > 1) result += decimalSeparator + digits.substr(1);
        return result + "E" + IntegerText(exponent);
    }
    if (exponent < 0) return result + "0" + decimalSeparator + std::string(-exponent - 1, '0') + digits;
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) return result + digits + std::string(integerDigits - digits.size(), '0');
    return result + digits.substr(0, integerDigits) + decimalSeparator + digits.substr(integerDigits);
}

Result<long double> ParseStrictFloat(std::string_view text, char decimalSeparator) {
    DecimalParts parts;
    if (!SplitDecimal(text, decimalSeparator, parts)) return Error{FloatMessage(text)};
    const std::optional<long double> magnitude = ReadMagnitude(parts);
    if (!magnitude) return Error{FloatMessage(text)};
    return parts.negative ? -*magnitude : *magnitude;
}

std::optional<ExactDecimal> ParseExactDecimal(std::string_view text, char decimalSeparator) {
    DecimalParts parts;
    if (!SplitDecimal(text, decimalSeparator, parts) || parts.hasExponent) return std::nullopt;
    constexpr std::size_t kMaxDigits = 30;
    if (parts.integerDigits.size() + parts.fractionDigits.size() > kMaxDigits) return std::nullopt;
    Int128 mantissa = 0;
    for (char c : parts.integerDigits) mantissa = mantissa * 10 + (c - '0');
    for (char c : parts.fractionDigits) mantissa = mantissa * 10 + (c - '0');
    return ExactDecimal{parts.negative ? -mantissa : mantissa, static_cast<int>(parts.fractionDigits.size())};
}

std::optional<std::int64_t> CheckedSum(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if ((b > 0 && a > kMax - b) || (b < 0 && a < kMin - b)) return std::nullopt;
    return a + b;
}

std::optional<std::int64_t> CheckedProduct(std::int64_t a, std::int64_t b) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    if (a == 0 || b == 0) return 0;
    const bool beyond = a > 0 ? (b > 0 ? a > kMax / b : b < kMin / a) : (b > 0 ? a < kMin / b : a < kMax / b);
    if (beyond) return std::nullopt;
    return a * b;
}

Result<std::int32_t> ToInt32(Int128 value) {
    if (value < kInt32Min || value > kInt32Max) return Error{kOutOfRangeMessage};
    return static_cast<std::int32_t>(value);
}

Result<std::int32_t> Ceil(long double value) {
    const long double up = std::ceil(value);
    if (!(up >= kInt32Min && up <= kInt32Max)) return Error{kOutOfRangeMessage};
    return static_cast<std::int32_t>(up);
}

Int128 CeilDiv(Int128 a, Int128 b) {
    Int128 quotient = a / b;
    if (a % b != 0 && a > 0) ++quotient;
    return quotient;
}

}  // namespace trivelon
