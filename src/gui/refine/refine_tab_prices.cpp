// The refining tab's prices: read as typed, the item's kept in the book by
// class and level, and the inputs as the settings keep them.
#include <utility>

#include "core/typed_sum.h"
#include "gui/refine/refine_tab.h"
#include "gui/refine/refine_tab_texts.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/money_field.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

bool ReadsAsZeny(const QString& text) {
    return ReadTypedSum(CoreText(text), SystemGroupSeparator()).reading == TypedSum::Reading::Zeny;
}

}  // namespace

void RefineTab::priceEdited(QLineEdit& edit, std::int64_t RefineState::*field) {
    refine_.*field = ReadMoneyField(edit);
    recompute();
}

void RefineTab::keepTypedPrices() {
    if (comparison_) comparison_->keepTypedPrices();
    if (!itemTyped_ || !pricedLevel_) return;
    itemTyped_ = false;
    book_.remember(PriceBook::RefineItemEntry(pricedLevel_->first, pricedLevel_->second), CoreText(itemPrice_->text()),
                   SystemGroupSeparator());
}

void RefineTab::takeRememberedItemPrice() {
    const std::pair level{refine_.classIndex, refine_.currentLevel};
    if (pricedLevel_ == level) return;
    keepTypedPrices();
    pricedLevel_ = level;
    // A level with no price of its own is not on offer: its field is empty.
    const std::optional<std::string> remembered = book_.text(PriceBook::RefineItemEntry(level.first, level.second));
    const QString price = remembered ? QtText(*remembered) : QString();
    if (price == itemPrice_->text()) return;
    // Put in as typed, but worked out with the rest of this change.
    const QSignalBlocker quiet(itemPrice_);
    itemPrice_->setText(price);
    refine_.itemPrice = ReadMoneyField(*itemPrice_);
}

// The class is kept by its id; the item's price is the book's, by class and
// level; the material's is kept only as a sum that can be read, never
// half-typed.
SavedTexts RefineTab::savedTexts() const {
    if (!isBuilt()) return saved_;
    SavedTexts texts{{kClassKey, QtText(rules_->classes.at(refine_.classIndex).key())},
                     {kCurrentLevelKey, QtText(LevelText(refine_.currentLevel))},
                     {kTargetLevelKey, QtText(LevelText(refine_.targetLevel))}};
    if (ReadsAsZeny(materialPrice_->text())) texts.insert(kMaterialPriceKey, materialPrice_->text());
    return texts;
}

// A class by its name, as an earlier version kept it, is kept by its id from
// the next save on, whether the page is built by then or not.
void RefineTab::restore(const SavedTexts& saved) {
    saved_.clear();
    for (const QString& key : {kClassKey, kCurrentLevelKey, kTargetLevelKey, kMaterialPriceKey})
        if (saved.contains(key)) saved_.insert(key, saved.value(key));
    if (const auto cls = FindRefineClass(*rules_, CoreText(saved_.value(kClassKey))))
        saved_.insert(kClassKey, QtText(rules_->classes[*cls].key()));
}

// The levels as typed and then left: a commit moves the other level where
// it must, so either order ends at the saved pair.
void RefineTab::putSavedTexts() {
    const SavedTexts saved = std::exchange(saved_, {});
    if (const auto cls = FindRefineClass(*rules_, CoreText(saved.value(kClassKey)))) {
        const QString name = QtText(rules_->classes[*cls].name);
        if (name != classSelector_->currentKey()) classSelector_->pickKey(name);
    }
    for (const auto& [key, box] :
         {std::pair{kCurrentLevelKey, currentLevel_}, std::pair{kTargetLevelKey, targetLevel_}}) {
        const QString level = saved.value(key);
        if (level != box->currentText() && box->findText(level) >= 0) box->setTextAsTyped(level);
    }
    if (const QString price = saved.value(kMaterialPriceKey); ReadsAsZeny(price)) materialPrice_->setText(price);
}

}  // namespace trivelon::gui
