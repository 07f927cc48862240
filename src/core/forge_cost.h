#pragma once
// The result window's own cost recalculation over the texts it shows.
#include <array>
#include <string>

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
    std::string toolName;
    std::string toolQuantity;
    std::string toolPrice;
    // Material 1 to 3, the element stone and the star crumbs, top to bottom.
    std::array<PricedRowTexts, kRecipeRowCount - 1> pricedRows;
    std::string rate;

    PricedRowTexts& row(RecipeRowKind kind) { return pricedRows[IndexOf(kind) - 1]; }
    const PricedRowTexts& row(RecipeRowKind kind) const { return pricedRows[IndexOf(kind) - 1]; }
};

// The cost as plain decimal text, or the error that stops the recalculation.
Result<std::string> RecalculateForgeCost(const ForgeCostSheet& sheet, char decimalSeparator);

// The texts a freshly filled result window shows for this state.
ForgeCostSheet SheetOfFilledWindow(const ForgeState& state);

}  // namespace trivelon
