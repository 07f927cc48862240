// Reading sums of money typed the way players write them.
#include "typed_sum.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "numbers.h"

namespace trivelon {

namespace {

// UTF-8 spellings: space, tab, no-break space U+00A0, narrow no-break space U+202F.
constexpr std::array<std::string_view, 4> kBlanks{" ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
constexpr std::array<std::string_view, 4> kGroupMarks{" ", "\xC2\xA0", "\xE2\x80\xAF", "'"};
// Cyrillic к and К, Latin k and K.
constexpr std::array<std::string_view, 4> kThousandLetters{"\xD0\xBA", "\xD0\x9A", "k", "K"};
constexpr int kMostThousands = 3;        // "ккк", a billion
constexpr std::size_t kMostDigits = 19;  // every 19-digit number fits an unsigned 64-bit one

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

template <std::size_t N>
bool TakePrefix(std::string_view& text, const std::array<std::string_view, N>& parts) {
    for (std::string_view part : parts) {
        if (!text.starts_with(part)) continue;
        text.remove_prefix(part.size());
        return true;
    }
    return false;
}

template <std::size_t N>
bool TakeSuffix(std::string_view& text, const std::array<std::string_view, N>& parts) {
    for (std::string_view part : parts) {
        if (!text.ends_with(part)) continue;
        text.remove_suffix(part.size());
        return true;
    }
    return false;
}

void TrimBlanks(std::string_view& text) {
    while (TakePrefix(text, kBlanks)) {
    }
    while (TakeSuffix(text, kBlanks)) {
    }
}

std::string_view TakeDigits(std::string_view& text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) ++count;
    const std::string_view digits = text.substr(0, count);
    text.remove_prefix(count);
    return digits;
}

bool TakeGroupMark(std::string_view& text, std::string_view groupSeparator) {
    if (TakePrefix(text, kGroupMarks)) return true;
    if (groupSeparator.empty() || !text.starts_with(groupSeparator)) return false;
    text.remove_prefix(groupSeparator.size());
    return true;
}

// Digits grouped by thousands or not, the whole text: "1 000 000",
// "1000000". Empty where the text is not that.
std::optional<std::string> GroupedDigits(std::string_view text, std::string_view groupSeparator) {
    std::string digits(TakeDigits(text));
    if (digits.empty()) return std::nullopt;
    for (bool grouped = false; !text.empty(); grouped = true) {
        if (!TakeGroupMark(text, groupSeparator) || (!grouped && digits.size() > 3)) return std::nullopt;
        const std::string_view group = TakeDigits(text);
        if (group.size() != 3) return std::nullopt;
        digits += group;
    }
    return digits;
}

}  // namespace

TypedSum ReadTypedSum(std::string_view text, std::string_view groupSeparator) {
    TrimBlanks(text);
    if (text.empty()) return {};
    constexpr TypedSum kUnreadable{TypedSum::Reading::Unreadable};

    int thousands = 0;
    while (TakeSuffix(text, kThousandLetters)) ++thousands;
    if (thousands > kMostThousands) return kUnreadable;
    TrimBlanks(text);

    // Only the shorthand has a decimal part: the digits after the last "."
    // or ",", which counts as the decimal separator whatever the user's.
    std::string_view fraction;
    if (thousands > 0) {
        const std::size_t separator = text.find_last_of(".,");
        if (separator != std::string_view::npos) {
            fraction = text.substr(separator + 1);
            text = text.substr(0, separator);
            std::string_view rest = fraction;
            if (TakeDigits(rest).empty() || !rest.empty()) return kUnreadable;
        }
    }
    const std::optional<std::string> whole = GroupedDigits(text, groupSeparator);
    if (!whole) return kUnreadable;

    // The sum in whole zeny: the whole digits and as many of the decimal
    // digits as the shorthand's power of ten takes, padded with zeros.
    const std::size_t scale = 3 * static_cast<std::size_t>(thousands);
    std::string digits = *whole + std::string(fraction.substr(0, scale));
    digits.append(scale - std::min(scale, fraction.size()), '0');
    const std::size_t firstSignificant = std::min(digits.find_first_not_of('0'), digits.size());
    const std::string_view significant = std::string_view(digits).substr(firstSignificant);
    if (significant.size() > kMostDigits) return {TypedSum::Reading::TooMuch};
    std::uint64_t zeny = 0;
    for (char digit : significant) zeny = zeny * 10 + static_cast<std::uint64_t>(digit - '0');
    if (zeny > static_cast<std::uint64_t>(kInt64Max)) return {TypedSum::Reading::TooMuch};
    return {TypedSum::Reading::Zeny, static_cast<std::int64_t>(zeny)};
}

}  // namespace trivelon
