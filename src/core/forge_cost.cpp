// Cost estimates of a forging: the request's initial one and the
// recalculation over the texts as typed.
#include "forge_cost.h"

#include <boost/multiprecision/cpp_int.hpp>

#include "numbers.h"

namespace trivelon {

namespace {

// Resource cost: (200 - r) percent of the total, rounded up. Exact when the
// rate is a plain decimal, so it agrees with the request's own estimate (the
// product can pass 64 bits where the cost does not, so it is formed in whole
// numbers of any size); otherwise in extended precision.
std::optional<std::int64_t> ResourceCost(std::string_view rateText, const Extended& rate, std::int64_t total,
                                         char separator) {
    if (const auto exact = ParseExactDecimal(rateText, separator); exact && exact->scale <= 18) {
        using boost::multiprecision::cpp_int;
        const cpp_int unit = pow(cpp_int(10), static_cast<unsigned>(exact->scale));
        // Boost reads a string with a leading zero as octal, so the digits are
        // taken one by one: "010" is ten.
        cpp_int rateDigits = 0;
        for (const char digit : exact->digits) rateDigits = rateDigits * 10 + (digit - '0');
        const cpp_int product = (200 * unit - (exact->negative ? -rateDigits : rateDigits)) * total;
        const cpp_int whole = 100 * unit;
        cpp_int cost = product / whole;  // truncated towards zero
        if (product % whole != 0 && product > 0) ++cost;
        if (cost < kInt64Min || cost > kInt64Max) return std::nullopt;
        return cost.convert_to<std::int64_t>();
    }
    return CeilToInt64(((200 - rate) / 100) * Extended(total));
}

// The attempts a success takes on average, rounded up, times the price of
// one; nothing where that leaves the 64-bit range.
Result<std::optional<std::int64_t>> WeaponCost(const Extended& rate, std::int64_t total) {
    if (rate == 0) return Error{"Floating point division by zero"};
    const std::optional<std::int64_t> attempts = CeilToInt64(100 / rate);
    if (!attempts) return std::optional<std::int64_t>();
    return CheckedProduct(*attempts, total);
}

// The price of one attempt: the tool, material 1, and every other row that
// has a price; its quantity is read only then. Fails with the message of a
// quantity that is not a whole number; empty where the sum leaves the 64-bit
// range.
Result<std::optional<std::int64_t>> SumOfAttempt(const ForgeCostSheet& sheet) {
    auto toolQuantity = ParseStrictInt(sheet.toolQuantity);
    if (!toolQuantity) return Error{toolQuantity.error()};
    auto toolPrice = ParseStrictInt(sheet.toolPrice);
    if (!toolPrice) return Error{toolPrice.error()};
    std::optional<std::int64_t> total = std::int64_t{*toolQuantity} * *toolPrice;
    for (std::size_t row = 0; row < sheet.pricedRows.size(); ++row) {
        const std::int32_t price = ParseLenientInt(sheet.pricedRows[row].price);
        if (row > 0 && price == 0) continue;
        auto quantity = ParseStrictInt(sheet.pricedRows[row].quantity);
        if (!quantity) return Error{quantity.error()};
        if (total) total = CheckedSum(*total, std::int64_t{*quantity} * price);
    }
    return total;
}

}  // namespace

Result<std::optional<std::int64_t>> InitialForgeCost(const ForgeState& state, char decimalSeparator) {
    std::optional<std::int64_t> total = 0;
    for (const RecipeRow& row : RecipeOf(state))
        if (row.used && total) total = CheckedSum(*total, std::int64_t{row.quantity} * row.price);
    if (!total) return std::optional<std::int64_t>();
    if (state.resource) return ResourceCost(state.rateText, Extended(state.rate), *total, decimalSeparator);
    return WeaponCost(Extended(state.rate), *total);
}

Result<std::optional<std::int64_t>> RecalculateForgeCost(const ForgeCostSheet& sheet, char decimalSeparator) {
    auto total = SumOfAttempt(sheet);
    if (!total) return Error{total.error()};
    auto rate = ParseStrictFloat(sheet.rate, decimalSeparator);
    if (!rate) return Error{rate.error()};
    if (!*total) return std::optional<std::int64_t>();
    if (sheet.resource) return ResourceCost(sheet.rate, *rate, **total, decimalSeparator);
    return WeaponCost(*rate, **total);
}

Result<std::optional<AttemptTerms>> WeaponAttemptTerms(const ForgeCostSheet& sheet, char decimalSeparator) {
    if (sheet.resource) return std::optional<AttemptTerms>();
    auto total = SumOfAttempt(sheet);
    if (!total) return Error{total.error()};
    const std::optional<TryChance> chance = TryChance::FromPercentText(sheet.rate, decimalSeparator);
    if (!chance) return Error{FloatMessage(sheet.rate)};
    if (!*total) return Error{kOutOfRangeMessage};
    return std::optional<AttemptTerms>(AttemptTerms{*chance, **total});
}

ForgeCostSheet CostSheetOf(const ForgeState& state) {
    const Recipe recipe = RecipeOf(state);
    const RecipeRow& tool = recipe[IndexOf(RecipeRowKind::Tool)];
    ForgeCostSheet sheet;
    sheet.resource = state.resource;
    sheet.toolQuantity = IntegerText(tool.quantity);
    sheet.toolPrice = IntegerText(tool.price);
    // A row the recipe does not use has no quantity and its price reads "0".
    for (std::size_t row = 1; row < kRecipeRowCount; ++row) {
        const RecipeRow& used = recipe[row];
        sheet.pricedRows[row - 1] = {used.used ? IntegerText(used.quantity) : std::string(),
                                     IntegerText(used.used ? used.price : 0)};
    }
    sheet.rate = state.rateText;
    return sheet;
}

}  // namespace trivelon
