// The refining tab: how it is made and takes other rules, and its handlers
// of a class picked and a level typed. Picking a class shows its safe-refine
// figures; changing a level recomputes rate, counts, bonus and cost.
#include "gui/refine/refine_tab.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QFile>
#include <QImage>

#include "catalogue/forge_catalogue.h"
#include "catalogue/forge_goods.h"
#include "gui/pictures/picture_loader.h"
#include "gui/refine/refine_tab_texts.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

// The state the tab starts in, which its controls' first texts show: the
// first class from +0 to its safe level, at the class's material price.
RefineState StartState(const RefineRules& rules) {
    RefineState state;
    ApplyRefineClass(state, rules, 0);
    state.materialPrice = rules.classes.front().materialPrice;
    return state;
}

// Whether a built-in class takes the material, whose picture the program
// ships: a missing one is then reported as missing.
bool IsBuiltInMaterial(const std::string& material) {
    const std::vector<RefineClassRule>& classes = BuiltInRules().refine.classes;
    return std::any_of(classes.begin(), classes.end(),
                       [&](const RefineClassRule& cls) { return cls.material == material; });
}

}  // namespace

RefineTab::RefineTab(QTabWidget& tabs, ErrorReporter& reporter, PriceBook& book)
    : TabPanel(QImage()), reporter_(reporter), book_(book), refine_(StartState(*rules_)) {
    resize(680, 418);
    tabs.addTab(this, tr("Заточка (Beta)"));
}

// The price fields report that editing finished when they lose the focus,
// which may happen while QWidget's own destructor runs and this tab's part is
// gone: they are no longer listened to.
RefineTab::~RefineTab() {
    for (QLineEdit* price : {materialPrice_, itemPrice_})
        if (price) price->disconnect(this);
}

void RefineTab::setRules(const RefineRules& rules) {
    // The comparison's rows are the levels of the rules it was opened with:
    // under rules of another highest level it opens again.
    const bool comparing = comparison_ && comparison_->isVisible();
    if (comparison_ && !comparison_->takeRules(rules)) {
        comparison_->close();
        comparison_ = nullptr;
    }
    keepTypedPrices();
    // The class the player was on stays picked where the new rules have it,
    // with its levels where they lie within the new ones and its material
    // price; otherwise the first class starts as when picked. The class is
    // the same by its id, or by its name.
    SavedTexts before = savedTexts();
    const RefineClassRule was = rules_->classes.at(refine_.classIndex);
    std::optional<std::size_t> same = FindRefineClass(rules, was.id);
    if (!same) same = FindRefineClass(rules, was.name);
    rules_ = &rules;
    refine_ = StartState(rules);
    pricedLevel_.reset();
    if (!isBuilt()) return;
    fillClassList();
    for (auto [box, kind] :
         {std::pair{currentLevel_, LevelKind::Current}, std::pair{targetLevel_, LevelKind::Target}}) {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems(LevelItems(rules, kind));
    }
    classSelector_->pick(classSelector_->itemText(0));
    if (same) {
        before.insert(kClassKey, QtText(rules.classes[*same].key()));
        saved_ = before;
        putSavedTexts();
    }
    if (comparing && !comparison_) openComparison();
}

void RefineTab::buildOnce(const PictureBox& character) {
    if (isBuilt()) return;
    buildControls(character);
    // Controls made inside a page that is already on screen stay hidden
    // until they are shown.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->show();
    setKeyboardOrder();
    bindHandlers();
    // The controls start with the texts of the built-in first class; under
    // other rules the first class is picked as the player would.
    if (rules_ != &BuiltInRules().refine) classSelector_->pick(classSelector_->itemText(0));
    recompute();
    putSavedTexts();
    // Switching tabs moved the focus from the forging tab onto this page
    // while it was still empty; it belongs on the page's first control.
    if (hasFocus()) currentLevel_->setFocus();
}

void RefineTab::bindHandlers() {
    connect(classSelector_, &ImageCombo::changed, this, &RefineTab::classChosen);
    connect(currentLevel_, &EditCombo::changed, this, [this] { levelChanged(LevelKind::Current, false); });
    connect(currentLevel_, &EditCombo::committed, this, [this] { levelChanged(LevelKind::Current, true); });
    connect(targetLevel_, &EditCombo::changed, this, [this] { levelChanged(LevelKind::Target, false); });
    connect(targetLevel_, &EditCombo::committed, this, [this] { levelChanged(LevelKind::Target, true); });
    connect(materialPrice_, &QLineEdit::textChanged, this,
            [this] { priceEdited(*materialPrice_, &RefineState::materialPrice); });
    connect(itemPrice_, &QLineEdit::textChanged, this, [this] { priceEdited(*itemPrice_, &RefineState::itemPrice); });
    // The material's price is remembered once the field is left, and only
    // as a sum that can be read, so that nothing half-typed is kept.
    connect(materialPrice_, &QLineEdit::editingFinished, this, [this] {
        if (materialPrice_->toolTip().isEmpty() && !materialPrice_->text().trimmed().isEmpty())
            book_.remember(PriceBook::RefineMaterialEntry(rules_->classes.at(refine_.classIndex)),
                           CoreText(materialPrice_->text()), SystemGroupSeparator());
    });
    connect(chartButton_, &QPushButton::clicked, this, &RefineTab::openChart);
    connect(compareButton_, &QPushButton::clicked, this, &RefineTab::openComparison);
    // The item's price is the price of an item at the current level; a
    // cleared one takes that level off the market.
    connect(itemPrice_, &QLineEdit::textEdited, this, [this] { itemTyped_ = true; });
    connect(itemPrice_, &QLineEdit::editingFinished, this, &RefineTab::keepTypedPrices);
}

void RefineTab::showCharacterPicture(const PictureBox& character) {
    // The built-in picture, or the one the base level has loaded since.
    if (characterPicture_) characterPicture_->setPictureFromFile(character.picture(), character.picturePath());
}

// The tab and the windows that follow it show the figures of the level as it
// is now, whether the tab is shown or not.
void RefineTab::setWeaponryResearch(std::optional<std::int32_t> level) {
    if (level == weaponryResearch_) return;
    weaponryResearch_ = level;
    if (isBuilt()) recompute();
}

void RefineTab::classChosen() {
    Guarded(reporter_, [this] {
        const std::optional<std::size_t> found = FindRefineClass(*rules_, CoreText(classSelector_->currentKey()));
        if (!found) return;
        const RefineClassRule* cls = &rules_->classes[*found];
        ApplyRefineClass(refine_, *rules_, *found);
        safeLevel_->setText(QtText(LevelText(SafeRefineOf(*cls).level)));
        attemptFee_->setText(QString::number(cls->fee));
        for (auto [box, level] :
             {std::pair{currentLevel_, refine_.currentLevel}, std::pair{targetLevel_, refine_.targetLevel}}) {
            // The list's highlight follows the level shown.
            box->setTextSilently(QtText(LevelText(level)));
            const QSignalBlocker quiet(box);
            box->setCurrentIndex(box->findText(box->currentText()));
        }
        recompute();
        // A material of a server's own that has no picture shows the
        // placeholder beside its name.
        const QString picture = QStringLiteral("images/%1.bmp").arg(QtText(PictureKey(cls->material)));
        const bool builtIn = IsBuiltInMaterial(cls->material);
        ThrowIfFailed(
            LoadPicture(*materialPicture_, builtIn || QFile::exists(picture) ? picture : QtText(kEmptyPicture)));
        // A blank parts the name from its picture.
        materialName_->setText(QLatin1Char(' ') + QtText(cls->material));
        // A changed price text runs the price handler, which works the
        // refine out at the class's material price: the last one typed for
        // the material, here or in a forge window, or its usual one.
        const std::optional<std::string> remembered = book_.text(PriceBook::RefineMaterialEntry(*cls));
        materialPrice_->setText(remembered ? QtText(*remembered) : QString::number(cls->materialPrice));
    });
}

void RefineTab::levelChanged(LevelKind kind, bool committed) {
    const bool current = kind == LevelKind::Current;
    EditCombo& box = current ? *currentLevel_ : *targetLevel_;
    EditCombo& other = current ? *targetLevel_ : *currentLevel_;
    const auto level = ParseLevel(CoreText(box.currentText()), *rules_, kind);
    const bool movesOther = level && (current ? *level > refine_.targetLevel : *level < refine_.currentLevel);
    // A commit acts where typing held back: on a level that moves the other
    // one. Any commit shows the level the figures are for.
    if (committed) {
        if (movesOther) {
            current ? ChooseCurrentLevel(refine_, *level) : ChooseTargetLevel(refine_, *level);
            other.setTextSilently(QtText(LevelText(current ? refine_.targetLevel : refine_.currentLevel)));
        }
        box.setTextSilently(QtText(LevelText(current ? refine_.currentLevel : refine_.targetLevel)));
        if (!movesOther) return;
    } else {
        if (!level || movesOther) return;
        current ? ChooseCurrentLevel(refine_, *level) : ChooseTargetLevel(refine_, *level);
    }
    recompute();
}

}  // namespace trivelon::gui
