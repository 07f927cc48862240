// Tries of one cost as a chart's calculation.
#include "gui/budget/budget_calculation.h"

#include "core/numbers.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

BudgetCalculation EqualTries(const std::optional<TryChance>& chance, std::int64_t tryCost,
                             std::optional<std::int64_t> averageCost, const std::optional<Budget>& planned) {
    BudgetCalculation calculation;
    calculation.tryCost = tryCost;
    calculation.averageCost = averageCost;
    if (!chance) return calculation;
    calculation.curve = EqualTriesCurve(*chance, tryCost);
    if (tryCost <= 0) return calculation;
    if (planned)
        calculation.budget = *planned;
    else
        calculation.problem = Sentence(kOutOfRangeMessage);
    return calculation;
}

}  // namespace trivelon::gui
