// The forge quote over arbitrary typed prices. Input: a flag byte (bit 0
// makes the item a resource, bit 1 picks "," as the decimal separator), then
// 12 texts, one per line: the rate as shown, the tool's price, the
// quantities of material 1 to 3, the element stone and the star crumbs
// (read as whole numbers, unused at 0 or where they are none), then the
// prices typed into those five rows. A cost is a 64-bit whole number or too
// much; a row counts as 0 exactly when its text is no sum or a sum beyond
// 64 bits; at a rate of 100
// the cost is the plain sum of the rows; the process running in a comma
// locale changes nothing.
#include <boost/multiprecision/cpp_int.hpp>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <locale>
#include <optional>
#include <string>
#include <string_view>

#include "check.h"
#include "core/forge_quote.h"
#include "core/numbers.h"
#include "split_texts.h"
#include "support/process_locale.h"

using trivelon::fuzz::Require;

namespace {

std::optional<std::locale> commaLocale;

constexpr std::size_t kTypedRows = trivelon::kRecipeRowCount - 1;

std::string Outcome(const trivelon::ForgeQuote& quote) {
    const auto cost = quote.cost();
    return cost ? std::to_string(*cost) : "too much";
}

// The sum of the rows, by a plain reading: the tool, and each used row's
// quantity times its price where the text is digits alone (0 for a price
// beyond 64 bits, which cannot be read).
std::optional<std::string> PlainSum(const trivelon::ForgeState& state, const std::array<std::string, 12>& texts) {
    using boost::multiprecision::cpp_int;
    cpp_int total = state.toolPrice;
    for (std::size_t row = 0; row < kTypedRows; ++row) {
        const std::string& price = texts[7 + row];
        const std::int32_t quantity = row < 3 ? state.materials[row].quantity : (row == 3 ? 1 : state.starCrumbCount);
        if (quantity <= 0 || (row == 3 && state.elementFlag == 0)) continue;
        if (price.empty() || price.size() > 30 || price.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        // Digit by digit: Boost would read a leading zero as octal.
        cpp_int value = 0;
        for (const char digit : price) value = value * 10 + (digit - '0');
        if (value > trivelon::kInt64Max) value = 0;
        total += quantity * value;
    }
    if (total > trivelon::kInt64Max || total < trivelon::kInt64Min) return "too much";
    return total.str();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    commaLocale = trivelon::test_support::InstalledCommaLocale();
    if (!commaLocale)
        std::fprintf(stderr,
                     "No comma locale is installed: costs are not compared across locales "
                     "(make one with: localedef -i ru_RU -f UTF-8 ru_RU.UTF-8)\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t flags = data[0];
    const char separator = (flags & 0x02) ? ',' : '.';
    const auto texts =
        trivelon::fuzz::SplitTexts<12>(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

    trivelon::ForgeState state;
    state.resource = (flags & 0x01) != 0;
    // A rate that is no plain decimal counts as 100 %.
    state.shownRate =
        trivelon::ParseExactDecimal(texts[0], separator).value_or(trivelon::ExactDecimal{false, "100", 0});
    state.toolName = "Iron Hammer";
    state.toolPrice = trivelon::ParseLenientInt(texts[1]);
    for (std::size_t row = 0; row < 3; ++row)
        state.materials[row] = {"Iron", "images/iron.bmp", trivelon::ParseLenientInt(texts[2 + row]), 0};
    state.materials[0].quantity = std::max(state.materials[0].quantity, 1);  // material 1 is always used
    state.elementFlag = trivelon::ParseLenientInt(texts[5]) > 0 ? 1 : 0;
    state.elementName = "Fire";
    state.starCrumbCount = std::clamp(trivelon::ParseLenientInt(texts[6]), 0, 3);

    const auto typeAll = [&] {
        trivelon::ForgeQuote quote(state);
        for (std::size_t row = 0; row < kTypedRows; ++row) {
            const auto kind = static_cast<trivelon::RecipeRowKind>(row + 1);
            const auto reading = quote.typePrice(kind, texts[7 + row], {});
            Require(quote.countedAsZero(kind) == (reading == trivelon::TypedSum::Reading::Unreadable ||
                                                  reading == trivelon::TypedSum::Reading::TooMuch),
                    "a price counts as 0 exactly when its text is no sum or a sum beyond 64 bits");
        }
        return quote;
    };
    const trivelon::ForgeQuote quote = typeAll();
    if (!quote.resource())
        Require(quote.attempt().has_value() == quote.budget().has_value(), "an attempt has a budget");
    if (texts[0] == "100")
        if (const auto plain = PlainSum(state, texts))
            Require(Outcome(quote) == *plain, "at 100 % a success costs one attempt");
    if (commaLocale) {
        const trivelon::test_support::ProcessLocale comma(*commaLocale);
        Require(Outcome(typeAll()) == Outcome(quote), "a comma locale gives the same cost");
    }
    return 0;
}
