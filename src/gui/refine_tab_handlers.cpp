// The refining tab's handlers: picking a class shows its safe-refine figures;
// changing a level recomputes rate, counts, bonus and cost; editing a price
// recomputes the cost.
#include "core/numbers.h"
#include "gui/control_numbers.h"
#include "gui/decimal_separator.h"
#include "gui/error_reporter.h"
#include "gui/main_window.h"
#include "gui/picture_loader.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

void MainWindow::refineClassChosen() {
    Guarded(reporter_, [this] {
        const RefineClass* cls = FindRefineClass(CoreText(classSelector->currentText()));
        if (!cls) return;
        ApplyRefineClass(refine_, *cls);
        const SafeRefine safe = SafeRefineOf(*cls);
        successRate->setText(QStringLiteral("100"));
        safeLevel->setText(QtText(LevelText(safe.level)));
        attemptFee->setText(QtText(IntegerText(cls->fee)));
        bonus->setText(QtText(safe.bonusText));
        averageCost->setText(QtText(IntegerText(safe.cost)));
        currentLevel->setTextSilently(QtText(LevelText(0)));
        targetLevel->setTextSilently(QtText(LevelText(safe.level)));
        itemCount->setText(QStringLiteral("1"));
        materialCount->setText(QtText(IntegerText(safe.level)));
        ThrowIfFailed(LoadPicture(*materialPicture, QtText(cls->materialImage)));
        materialName->setText(QtText(cls->materialName));
        // A changed price text runs the price handler, which recomputes the cost.
        materialPrice->setText(QtText(IntegerText(cls->materialDefaultPrice)));
        showRefineBudget();
    });
}

void MainWindow::currentLevelChanged() {
    Guarded(reporter_, [this] {
        const auto level = ParseLevel(CoreText(currentLevel->currentText()), LevelKind::Current);
        if (level && ChooseCurrentLevel(refine_, *level)) targetLevel->setTextSilently(currentLevel->currentText());
        recomputeRefine();
    });
}

void MainWindow::targetLevelChanged() {
    Guarded(reporter_, [this] {
        const auto level = ParseLevel(CoreText(targetLevel->currentText()), LevelKind::Target);
        if (level && ChooseTargetLevel(refine_, *level)) currentLevel->setTextSilently(targetLevel->currentText());
        recomputeRefine();
    });
}

// Everything is computed before anything is shown, so that an error leaves
// all displays as they were.
void MainWindow::recomputeRefine() {
    refine_.materialPrice = StrictWholeNumber(materialPrice->text());
    refine_.itemPrice = StrictWholeNumber(itemPrice->text());
    refine_.attemptFee = StrictWholeNumber(attemptFee->text());
    const std::int32_t research =
        RefineNeedsWeaponryResearch(refine_.classNumber, refine_.currentLevel, refine_.targetLevel)
            ? StrictWholeNumber(weaponryResearch->currentText())
            : 0;
    const RefineOutcome outcome =
        Take(ComputeRefine(refine_.classNumber, refine_.currentLevel, refine_.targetLevel, research));
    // The cost of the counts about to be shown and the prices just read.
    const std::int32_t cost = Take(RefineCost(outcome.materialCount, outcome.itemCount, refine_.materialPrice,
                                              refine_.attemptFee, refine_.itemPrice));

    StoreRefineOutcome(refine_, outcome);
    bonus->setText(QtText(outcome.bonusText));
    itemCount->setText(QString::number(refine_.itemCount));
    materialCount->setText(QString::number(refine_.materialCount));
    // Without a rate of its own (nothing to do above the safe level) the
    // last computed rate stays.
    successRate->setText(QtText(FormatGeneral(refine_.rate, SystemDecimalSeparator())));
    averageCost->setText(QString::number(cost));
    showRefineBudget();
}

void MainWindow::priceEdited(QLineEdit& edit, std::int32_t RefineState::*field) {
    Guarded(reporter_, [&] {
        const std::int32_t value = ParseLenientInt(CoreText(edit.text()));
        refine_.*field = value;
        const QString normalised = QString::number(value);
        if (edit.text() != normalised) {
            // The edit reports the new text, and the handler's run on it
            // recomputes the cost from the same texts.
            edit.setText(normalised);
            return;
        }
        averageCost->setText(QString::number(shownRefineCost()));
        showRefineBudget();
    });
}

std::int32_t MainWindow::shownRefineCost() const {
    const std::int32_t materials = StrictWholeNumber(materialCount->text());
    const std::int32_t items = StrictWholeNumber(itemCount->text());
    const std::int32_t perMaterial = StrictWholeNumber(materialPrice->text());
    const std::int32_t fee = StrictWholeNumber(attemptFee->text());
    const std::int32_t perItem = StrictWholeNumber(itemPrice->text());
    return Take(RefineCost(materials, items, perMaterial, fee, perItem));
}

BudgetCalculation MainWindow::shownRefineCalculation() const {
    const std::int32_t levels = refine_.targetLevel - refine_.currentLevel;
    const std::int64_t tryCost =
        RefineTryCost(levels, StrictWholeNumber(itemPrice->text()), StrictWholeNumber(materialPrice->text()),
                      StrictWholeNumber(attemptFee->text()));
    return {refine_.tryChance, tryCost, StrictWholeNumber(averageCost->text())};
}

void MainWindow::showRefineBudget() {
    const BudgetCalculation calculation = shownRefineCalculation();
    const std::int32_t levels = refine_.targetLevel - refine_.currentLevel;
    const std::optional<RefineBudget> budget = Take(PlanRefineBudget(calculation.chance, levels, calculation.tryCost));
    if (budget) {
        BudgetFigures items, materials, zeny;
        for (std::size_t i = 0; i < budget->size(); ++i) {
            items[i] = (*budget)[i].items;
            materials[i] = (*budget)[i].materials;
            zeny[i] = (*budget)[i].cost;
        }
        refineBudget->showFigures(0, items);
        refineBudget->showFigures(1, materials);
        refineBudget->showFigures(2, zeny);
    } else {
        refineBudget->showNothing();
    }
    if (refineChart_) {
        refineChart_->setWindowTitle(
            QStringLiteral("График: %1, %2 → %3")
                .arg(classSelector->currentText(), currentLevel->currentText(), targetLevel->currentText()));
        refineChart_->setCalculation(calculation);
    }
}

void MainWindow::openRefineChart() {
    Guarded(reporter_, [this] {
        if (!refineChart_) refineChart_ = new BudgetChartWindow(this);
        showRefineBudget();
        refineChart_->show();
        refineChart_->raise();
        refineChart_->activateWindow();
    });
}

}  // namespace trivelon::gui
