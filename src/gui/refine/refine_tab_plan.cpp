// The refining tab's plan: worked out for the inputs as they are now and
// shown, or dashes and the reason where there is none.
#include <utility>

#include "core/money_text.h"
#include "core/numbers.h"
#include "gui/refine/refine_tab.h"
#include "gui/refine/refine_tab_texts.h"
#include "gui/widgets/decimal_separator.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {

void RefineTab::recompute() {
    takeRememberedItemPrice();
    const RefineRequest request{refine_.classIndex, refine_.currentLevel,  refine_.targetLevel,
                                weaponryResearch_,  refine_.materialPrice, refine_.itemPrice};
    Result<RefinePlan> plan = PlanRefine(*rules_, request);
    if (plan) {
        plan_ = std::move(plan.value());
        showPlan(*plan_);
    } else {
        plan_.reset();
        showNoPlan(Sentence(plan.error()));
    }
    showChart();
    showComparison();
}

void RefineTab::showPlan(const RefinePlan& plan) {
    const RefineOutcome& outcome = plan.outcome;
    bonus_->setText(QtText(outcome.bonusText));
    itemCount_->setText(QString::number(outcome.itemCount));
    materialCount_->setText(QString::number(outcome.materialCount));
    // Nothing to do above the safe level has no rate of its own.
    successRate_->setText(outcome.rate ? QtText(FormatGeneral(*outcome.rate, SystemDecimalSeparator()))
                                       : QStringLiteral("—"));
    averageCost_->setText(WholeAmount(plan.cost));
    for (QLabel* figure : {successRate_, itemCount_, materialCount_, bonus_}) figure->setToolTip(QString());
    averageCost_->setToolTip(EveryStepToolTip());
    if (plan.budget) {
        BudgetFigures items, materials, zeny;
        for (std::size_t i = 0; i < plan.budget->size(); ++i) {
            items[i] = (*plan.budget)[i].items;
            materials[i] = (*plan.budget)[i].materials;
            zeny[i] = (*plan.budget)[i].cost;
        }
        budget_->showFigures(0, items);
        budget_->showFigures(1, materials);
        budget_->showFigures(2, zeny);
    } else {
        budget_->showNothing();
    }
    if (plan.expected)
        budget_->showColumnFigures(QList<ColumnFigure>{
            {plan.expected->itemsTenths, true}, {plan.expected->materialsTenths, true}, {plan.expected->cost, false}});
    else
        budget_->showColumnFigures(std::nullopt);
}

void RefineTab::showNoPlan(const QString& reason) {
    // No figure of other inputs stays on screen: a dash, and the reason in
    // its tool tip.
    for (QLabel* figure : {successRate_, itemCount_, materialCount_, averageCost_, bonus_}) {
        figure->setText(QStringLiteral("—"));
        figure->setToolTip(reason);
    }
    budget_->showNothing();
    budget_->showColumnFigures(std::nullopt);
}

}  // namespace trivelon::gui
