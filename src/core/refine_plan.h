#pragma once
// Everything a front end shows of one refine, worked out in one call from
// its inputs as numbers: the outcome (chance, counts, bonus), the cost, what
// one success really takes on average, and the budgets of the refine the game
// runs, with the chance that a sum of money covers it.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "budget.h"
#include "refine.h"
#include "refine_expectation.h"
#include "refine_spending.h"
#include "result.h"

namespace trivelon {

struct RefineRequest {
    std::size_t classIndex = 0;  // the class's place in the rules' class list
    std::int32_t currentLevel = 0;
    std::int32_t targetLevel = 7;  // at or above the current level
    // Read only where a step lies above the safe level; none where the text
    // typed for it cannot be read.
    std::optional<std::int32_t> weaponryResearch = 10;
    std::int64_t materialPrice = 0;  // each price 0 or more
    std::int64_t itemPrice = 0;
    // Whether to work out the budgets and the spending, by far the dearest
    // part; without them a plan holds the outcome, the costs and the
    // expectation.
    bool budgets = true;
};

// What a certainty of success takes in the refine the game runs, where an
// attempt stops at the step that breaks the item: the attempts (one item
// each), the steps made (one material each) and the Zeny, each the smallest
// whose chance reaches the certainty; none beyond the 64-bit range.
struct RefineBudgetLevel {
    std::int32_t chance = 0;  // percent
    std::int64_t items = 0;
    std::optional<std::int64_t> materials;
    std::optional<std::int64_t> cost;
};
using RefineBudget = std::array<RefineBudgetLevel, kBudgetChances.size()>;

struct RefinePlan {
    RefineOutcome outcome;
    std::int32_t attemptFee = 0;
    // The outcome's counts at the prices: every material with its fee, and
    // every item.
    std::optional<std::int64_t> cost;
    // One whole attempt: the item and every level's material and fee.
    std::optional<std::int64_t> tryCost;
    // None where nothing is left to do above the safe level.
    std::optional<RefineExpectationFigures> expected;
    std::optional<RefineBudget> budget;
    // The Zeny spent until the first success; null where nothing is to do.
    std::shared_ptr<const RefineSpending> spending;

    // The chance, in tenths of a percent, that the sum covers what the refine
    // spends until its first success; an uncertain chance never reads 100.0.
    // None where nothing is to do.
    std::optional<std::int32_t> chanceWithinInTenths(std::int64_t money) const;
    // The same chance for any sum, as a chart draws it; none where nothing
    // is to do.
    std::optional<ChanceCurve> chanceCurve() const;
};

// The message of a refine that needs the Weaponry Research level while its
// text cannot be read.
extern const char* const kUnreadableResearchMessage;

// The request's refine under the rules: requires a class of the rules and
// levels within its highest. Fails as ComputeRefine does, and with
// kUnreadableResearchMessage.
Result<RefinePlan> PlanRefine(const RefineRules& rules, const RefineRequest& request);

}  // namespace trivelon
