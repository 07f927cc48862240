// Tries of one cost as a chart's calculation.
#include "gui/budget/budget_calculation.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

namespace {

// The largest double below 2^63: any count of tries beyond it is as good as
// it for the chance, and it still converts to a 64-bit integer.
constexpr double kMostTries = 9223372036854774784.0;

}  // namespace

BudgetCalculation EqualTries(const std::optional<TryChance>& chance, std::int64_t tryCost,
                             std::optional<std::int64_t> averageCost, const std::optional<Budget>& planned) {
    BudgetCalculation calculation;
    calculation.tryCost = tryCost;
    calculation.averageCost = averageCost;
    if (!chance) return calculation;
    const double cost = static_cast<double>(tryCost);
    calculation.curve = ChanceCurve{
        [chance = *chance, cost](double money) {
            const double tries = std::clamp(std::floor(money / cost), 0.0, kMostTries);
            return chance.chanceWithin(static_cast<std::int64_t>(tries));
        },
        [cost](double money) { return (std::floor(money / cost) + 1) * cost; },
        chance->certain(),
    };
    if (tryCost <= 0) return calculation;
    if (planned)
        calculation.budget = *planned;
    else
        calculation.problem = QtText(kOutOfRangeMessage);
    return calculation;
}

}  // namespace trivelon::gui
