#pragma once
// The cost of one success of a forging: the request's initial estimate, and
// its recalculation over the quantities and prices as typed.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "budget.h"
#include "forge_request.h"
#include "recipe.h"
#include "result.h"

namespace trivelon {

// A recipe row whose price can be typed: its quantity and its price, as texts.
struct PricedRowTexts {
    std::string quantity;
    std::string price;
};

// The texts a forging's cost is recalculated from: the tool, the rows with a
// price to type, and the rate as printed.
struct ForgeCostSheet {
    // A resource pays (200 - rate) percent of an attempt; a weapon a whole
    // number of attempts.
    bool resource = false;
    std::string toolQuantity;
    std::string toolPrice;
    // Material 1 to 3, the element stone and the star crumbs, top to bottom.
    std::array<PricedRowTexts, kRecipeRowCount - 1> pricedRows;
    std::string rate;

    PricedRowTexts& row(RecipeRowKind kind) { return pricedRows[IndexOf(kind) - 1]; }
    const PricedRowTexts& row(RecipeRowKind kind) const { return pricedRows[IndexOf(kind) - 1]; }
};

// The cost in Zeny, nothing for a cost beyond the 64-bit range, or the error
// of a text that stops the recalculation.
Result<std::optional<std::int64_t>> RecalculateForgeCost(const ForgeCostSheet& sheet, char decimalSeparator);

// What a weapon's budget is worked out from: the chance of one attempt, from
// the rate as printed, and the price of one attempt at the prices typed.
struct AttemptTerms {
    TryChance chance = TryChance::Certain();
    std::int64_t price = 0;
};
// None for a resource, whose cost is no count of attempts. Fails as the
// recalculation does on a text it cannot read, and for a price beyond the
// 64-bit range.
Result<std::optional<AttemptTerms>> WeaponAttemptTerms(const ForgeCostSheet& sheet, char decimalSeparator);

// The sheet of a filled request before any price is typed.
ForgeCostSheet CostSheetOf(const ForgeState& state);

// The initial estimate of a filled state: total of one attempt; resources pay
// (200 - rate) percent of it, computed exactly from the rate as printed;
// weapons pay it ceil(100 / rate) times. Nothing where the cost leaves the
// 64-bit range.
Result<std::optional<std::int64_t>> InitialForgeCost(const ForgeState& state, char decimalSeparator);

}  // namespace trivelon
