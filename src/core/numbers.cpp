// Reading and writing whole and decimal numbers, and the checked conversions
// that keep every shown integer within the 32-bit range.
#include "numbers.h"
#include "text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace trivelon {

const char* const kOutOfRangeMessage = "Результат слишком велик для расчёта";

namespace {

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
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

}  // namespace

std::string IntegerMessage(std::string_view text) {
    return Join({"'", text, "' is not a valid integer value"});
}

std::string FloatMessage(std::string_view text) {
    return Join({"'", text, "' is not a valid floating point value"});
}

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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14Le", value);  // d.dddddddddddddde±x, correctly rounded
    std::string_view text(buffer);
    std::string result;
    std::size_t i = 0;
    if (text[0] == '-') {
        result += '-';
        i = 1;
    }
    std::string digits;
    for (; text[i] != 'e'; ++i)
        if (IsDigit(text[i])) digits += text[i];
    const int exponent = std::atoi(buffer + i + 1);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    if (exponent >= 15 || exponent < -5) {
        result += digits[0];
        if (digits.size() > 1) result += decimalSeparator + digits.substr(1);
        return result + "E" + std::to_string(exponent);
    }
    if (exponent < 0) return result + "0" + decimalSeparator + std::string(-exponent - 1, '0') + digits;
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) return result + digits + std::string(integerDigits - digits.size(), '0');
    return result + digits.substr(0, integerDigits) + decimalSeparator + digits.substr(integerDigits);
}

Result<long double> ParseStrictFloat(std::string_view text, char decimalSeparator) {
    DecimalParts parts;
    if (!SplitDecimal(text, decimalSeparator, parts)) return Error{FloatMessage(text)};
    const std::string plain =
        Join({parts.negative ? "-" : "", parts.integerDigits.empty() ? "0" : parts.integerDigits, ".",
              parts.fractionDigits, parts.hasExponent ? "e" : "", parts.exponent});
    long double value = std::strtold(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return Error{FloatMessage(text)};
    return value;
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
