#pragma once
// The result window's own cost recalculation over the texts it shows.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "budget.h"
#include "forge_request.h"
#include "recipe.h"
#include "result.h"

namespace trivelon {

// What a row with a price edit shows: its quantity label and its price edit.
struct PricedRowTexts {
    std::string quantity;
    std::string price;
};

// The texts of a result window that its cost is recalculated from.
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

// What a weapon window's budget is worked out from: the chance of one
// attempt, from the rate it shows, and the price of one attempt at the
// prices typed in it.
struct AttemptTerms {
    TryChance chance;
    std::int64_t price = 0;
};
// None for a resource, whose cost is no count of attempts. Fails as the
// recalculation does on a text it cannot read, and for a price beyond the
// 64-bit range.
Result<std::optional<AttemptTerms>> WeaponAttemptTerms(const ForgeCostSheet& sheet, char decimalSeparator);

// The texts a freshly filled result window shows for this state.
ForgeCostSheet SheetOfFilledWindow(const ForgeState& state);

}  // namespace trivelon
