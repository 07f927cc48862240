// The refining tab's handlers: picking a class shows its safe-refine figures;
// changing a level recomputes rate, counts, bonus and cost; editing a price
// recomputes the cost.
#include "core/numbers.h"
#include "gui/calc.h"
#include "gui/control_numbers.h"
#include "gui/decimal_separator.h"
#include "gui/error_reporter.h"
#include "gui/picture_loader.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {

void TForm1::RefineChange() {
    Guarded([this] {
        const RefineClass* cls = FindRefineClass(CoreText(Refine->currentText()));
        if (!cls) return;
        ApplyRefineClass(refine_, *cls);
        RefineRate->setText(QStringLiteral("100"));
        SafeRefine->setText(QtText(cls->safeLevelText));
        Price1Ref->setText(QtText(cls->fee));
        Bonus->setText(QtText(cls->safeBonusText));
        AvgRefPrice->setText(QtText(cls->safeAvgCost));
        RefLevel->setTextSilently(QtText(LevelText(0)));
        FinalRefine->setTextSilently(QtText(cls->safeLevelText));
        QuanRefItem->setText(QStringLiteral("1"));
        QuanMaterial->setText(QtText(cls->materialCountText));
        ThrowIfFailed(LoadPicture(*material, QtText(cls->materialImage)));
        NameMaterial->setText(QtText(cls->materialName));
        // A changed price text runs the price handler, which recomputes the cost.
        PriceMaterial->setText(QtText(cls->materialDefaultPrice));
    });
}

void TForm1::RefLevelChange() {
    Guarded([this] {
        const auto level = ParseLevel(CoreText(RefLevel->currentText()), LevelKind::Current);
        if (level && ChooseCurrentLevel(refine_, *level)) FinalRefine->setTextSilently(RefLevel->currentText());
        recomputeRefine();
    });
}

void TForm1::FinalRefineChange() {
    Guarded([this] {
        const auto level = ParseLevel(CoreText(FinalRefine->currentText()), LevelKind::Target);
        if (level && ChooseTargetLevel(refine_, *level)) RefLevel->setTextSilently(FinalRefine->currentText());
        recomputeRefine();
    });
}

// Everything is computed before anything is shown, so that an error leaves
// all displays as they were.
void TForm1::recomputeRefine() {
    refine_.materialPrice = StrictWholeNumber(PriceMaterial->text());
    refine_.itemPrice = StrictWholeNumber(PriceRefItem->text());
    refine_.attemptFee = StrictWholeNumber(Price1Ref->text());
    const std::int32_t research = RefineNeedsWeaponryResearch(refine_.classNumber, refine_.currentLevel, refine_.targetLevel)
                                      ? StrictWholeNumber(WR->currentText())
                                      : 0;
    const RefineOutcome outcome =
        Take(ComputeRefine(refine_.classNumber, refine_.currentLevel, refine_.targetLevel, research));
    // The cost of the counts about to be shown and the prices just read.
    const std::int32_t cost = Take(RefineCost(outcome.materialCount, outcome.itemCount, refine_.materialPrice,
                                              refine_.attemptFee, refine_.itemPrice));

    StoreRefineOutcome(refine_, outcome);
    Bonus->setText(QtText(outcome.bonusText));
    QuanRefItem->setText(QString::number(refine_.itemCount));
    QuanMaterial->setText(QString::number(refine_.materialCount));
    // Without a rate of its own (nothing to do above the safe level) the
    // last computed rate stays.
    RefineRate->setText(QtText(FormatGeneral(refine_.rate, SystemDecimalSeparator())));
    AvgRefPrice->setText(QString::number(cost));
}

void TForm1::PriceMaterialChange() { priceEdited(*PriceMaterial, &RefineState::materialPrice); }

void TForm1::PriceRefItemChange() { priceEdited(*PriceRefItem, &RefineState::itemPrice); }

void TForm1::priceEdited(QLineEdit& edit, std::int32_t RefineState::*field) {
    Guarded([&] {
        const std::int32_t value = ParseLenientInt(CoreText(edit.text()));
        refine_.*field = value;
        const QString normalised = QString::number(value);
        if (edit.text() != normalised) {
            // The edit reports the new text, and the handler's run on it
            // recomputes the cost from the same texts.
            edit.setText(normalised);
            return;
        }
        AvgRefPrice->setText(QString::number(shownRefineCost()));
    });
}

std::int32_t TForm1::shownRefineCost() const {
    const std::int32_t materials = StrictWholeNumber(QuanMaterial->text());
    const std::int32_t items = StrictWholeNumber(QuanRefItem->text());
    const std::int32_t materialPrice = StrictWholeNumber(PriceMaterial->text());
    const std::int32_t fee = StrictWholeNumber(Price1Ref->text());
    const std::int32_t itemPrice = StrictWholeNumber(PriceRefItem->text());
    return Take(RefineCost(materials, items, materialPrice, fee, itemPrice));
}

}  // namespace trivelon::gui
