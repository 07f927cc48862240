#pragma once
// One calculation as a chart of chances against money shows it: the chance
// that a sum covers what is spent until the first success, the budgets of 50,
// 90 and 99 % certainty as the calculation planned them, and the averages.
#include <array>
#include <cstdint>
#include <optional>

#include <QString>

#include "core/budget.h"

namespace trivelon::gui {

struct BudgetCalculation {
    std::optional<ChanceCurve> curve;  // none: there are no tries to make
    std::int64_t tryCost = 0;          // Zeny of one whole try; 0 or less: tries cost nothing
    Budget budget;                     // the sum each certainty takes
    // Each certainty's sum as the budget table beside the chart shows it,
    // so that the chart's marks read the same; an empty one is written by
    // the chart, rounded up.
    std::array<QString, kBudgetChances.size()> budgetTexts;
    QString problem;                          // why there is no budget, where there are tries
    std::optional<std::int64_t> averageCost;  // Zeny for one success on average, if known
    // Zeny for one success on average where an attempt pays only for the
    // steps it makes, if the calculation has steps.
    std::optional<std::int64_t> expectedCost = std::nullopt;
    // What each of the two averages counts, for their labels' tool tips.
    QString averageToolTip = {};
    QString expectedToolTip = {};
};

// Tries that each cost the same and succeed with the same chance, as a
// forging's: the chance of a sum is that of the tries it pays for. The
// budget is the one the calculation planned; none where it could not plan
// one (tries beyond counting).
BudgetCalculation EqualTries(const std::optional<TryChance>& chance, std::int64_t tryCost,
                             std::optional<std::int64_t> averageCost, const std::optional<Budget>& planned);

}  // namespace trivelon::gui
