// The windows the refining tab opens, the chart and the comparison, and
// what they are given to follow it.
#include "core/numbers.h"
#include "gui/refine/refine_tab.h"
#include "gui/refine/refine_tab_texts.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

BudgetCalculation RefineTab::calculation() const {
    BudgetCalculation shown;
    if (!plan_ || !plan_->spending) return shown;
    shown.curve = plan_->chanceCurve();
    shown.tryCost = plan_->tryCost.value_or(kInt64Max);
    shown.budget.tryCost = shown.tryCost;
    for (std::size_t i = 0; i < plan_->budget->size(); ++i) {
        const RefineBudgetLevel& level = (*plan_->budget)[i];
        shown.budget.levels[i] = {level.chance, level.items, level.cost};
    }
    shown.budgetTexts = budget_->certaintyTexts(2);
    shown.averageCost = plan_->cost;
    shown.expectedCost = plan_->expected ? plan_->expected->cost : std::nullopt;
    shown.averageToolTip = EveryStepToolTip();
    shown.expectedToolTip = StepsMadeToolTip();
    return shown;
}

void RefineTab::showChart() {
    if (!chart_) return;
    const RefineClassRule& cls = rules_->classes.at(refine_.classIndex);
    chart_->setWindowTitle(tr("График: %1, %2 → %3")
                               .arg(Translated("Rules", cls.name), QtText(LevelText(refine_.currentLevel)),
                                    QtText(LevelText(refine_.targetLevel))));
    chart_->setCalculation(calculation());
}

void RefineTab::openChart() {
    if (!chart_) chart_ = new BudgetChartWindow(book_, this);
    showChart();
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

void RefineTab::showComparison() {
    if (!comparison_) return;
    comparison_->follow({refine_.classIndex, refine_.targetLevel, weaponryResearch_, refine_.materialPrice},
                        refine_.currentLevel, itemPrice_->text());
}

void RefineTab::openComparison() {
    if (!comparison_) {
        comparison_ = new RefineComparisonWindow(*rules_, book_, this);
        connect(comparison_, &RefineComparisonWindow::currentItemPriceTyped, this, [this](const QString& text) {
            itemTyped_ = true;
            itemPrice_->setText(text);
        });
    }
    showComparison();
    comparison_->show();
    comparison_->raise();
    comparison_->activateWindow();
}

}  // namespace trivelon::gui
