#pragma once
// The result window's own cost recalculation over the texts it shows.
#include <string>

#include "forge_request.h"
#include "result.h"

namespace trivelon {

struct ForgeCostSheet {
    std::string toolName;
    std::string toolQuantity;
    std::string toolPrice;
    std::string quantity[3];
    std::string elementQuantity;
    std::string crumbQuantity;
    std::string price[3];
    std::string elementPrice;
    std::string crumbPrice;
    std::string rate;
};

// The cost as plain decimal text, or the error that stops the recalculation.
Result<std::string> RecalculateForgeCost(const ForgeCostSheet& sheet, char decimalSeparator);

// The texts a freshly filled result window shows for this state.
ForgeCostSheet SheetOfFilledWindow(const ForgeState& state);

}  // namespace trivelon
