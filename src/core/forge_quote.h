#pragma once
// A forge quote: what one forging attempt takes (each row's quantity and
// its price as read from what was typed, the rate as shown) and what it
// costs: the average cost of one success and, for a weapon, the budgets and
// the chance that a sum of money brings a success.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include <boost/multiprecision/cpp_int.hpp>

#include "budget.h"
#include "forge_request.h"
#include "recipe.h"
#include "typed_sum.h"

namespace trivelon {

// One attempt of a weapon: its chance and its price.
struct ForgeAttempt {
    TryChance chance = TryChance::Certain();
    std::int64_t price = 0;
};

class ForgeQuote {
public:
    // The quote of a filled request at the prices the request set, at the
    // rate as shown.
    explicit ForgeQuote(const ForgeState& state);

    // A price typed into a row's edit, read as money ("1 500", "12к",
    // "1,5кк"); groupSeparator is the user's own, empty for none. Blank
    // counts as 0; a text that is no sum, or a sum beyond 64 bits, counts as
    // 0 and is marked. Returns how the text read.
    TypedSum::Reading typePrice(RecipeRowKind kind, std::string_view text, std::string_view groupSeparator);
    // Whether the row's price counts as 0 because its text cannot be read.
    bool countedAsZero(RecipeRowKind kind) const { return unreadable_[IndexOf(kind)]; }

    bool resource() const { return resource_; }
    // The average cost of one success: a weapon pays ceil(100 / rate)
    // attempts, a resource (200 - rate) percent of one, rounded up. None
    // where it leaves the 64-bit range.
    std::optional<std::int64_t> cost() const { return cost_; }
    // A weapon's attempt at the prices read; none for a resource and where
    // its price leaves the 64-bit range.
    std::optional<ForgeAttempt> attempt() const;
    // What 50, 90 and 99 % certainty take, for the attempt above.
    std::optional<Budget> budget() const { return budget_; }
    // The attempts each certainty takes, whatever they cost; none for a
    // resource.
    std::optional<std::array<std::int64_t, kBudgetChances.size()>> budgetTries() const { return tries_; }
    // The chance, in tenths of a percent, that the attempts a sum of money
    // pays for bring a success (see ChanceWithinMoneyInTenths); none for a
    // resource and where an attempt's price leaves the 64-bit range.
    std::optional<std::int32_t> chanceWithinInTenths(std::int64_t money) const;
    // The same chance for any sum, as a chart draws it.
    std::optional<ChanceCurve> chanceCurve() const;

private:
    // The cost, the attempt's price and the budget for the prices now.
    void update();

    bool resource_ = false;
    TryChance chance_ = TryChance::Certain();
    // A weapon's attempts per success, rounded up; none beyond 64 bits.
    std::optional<std::int64_t> attempts_;
    // A resource pays percentOfAttempt_ / wholePercent_ of an attempt.
    boost::multiprecision::cpp_int percentOfAttempt_;
    boost::multiprecision::cpp_int wholePercent_;
    // Each row's quantity (0 in a row the recipe does not use) and price.
    std::array<std::int32_t, kRecipeRowCount> quantities_{};
    std::array<std::int64_t, kRecipeRowCount> prices_{};
    std::optional<std::array<std::int64_t, kBudgetChances.size()>> tries_;
    std::array<bool, kRecipeRowCount> unreadable_{};
    std::optional<std::int64_t> attemptPrice_;
    std::optional<std::int64_t> cost_;
    std::optional<Budget> budget_;
};

}  // namespace trivelon
