// The refining tab: its controls at their places, and its handlers. Picking
// a class shows its safe-refine figures; changing a level recomputes rate,
// counts, bonus and cost; editing a price recomputes the cost.
#include "gui/refine/refine_tab.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFile>
#include <QImage>

#include "catalogue/forge_catalogue.h"
#include "catalogue/forge_goods.h"
#include "core/money_text.h"
#include "core/numbers.h"
#include "core/typed_sum.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/pictures/jpeg_decoder.h"
#include "gui/pictures/picture_loader.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/known_format_image.h"
#include "gui/widgets/money_field.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

// Yellow rows carry the main results, cream rows the details.
BoxLabelLook Main() { return {kYellow, PixelFont(QStringLiteral("Arial"), 19, true)}; }
BoxLabelLook MainCentred() { return {kYellow, PixelFont(QStringLiteral("Arial"), 19, true), Qt::AlignCenter}; }
BoxLabelLook MainWrapped() {
    return {kYellow, PixelFont(QStringLiteral("Arial"), 19, true), Qt::AlignLeft | Qt::AlignVCenter, true};
}
BoxLabelLook MainCentredWrapped() {
    return {kYellow, PixelFont(QStringLiteral("Arial"), 19, true), Qt::AlignCenter, true};
}
BoxLabelLook Detail() { return {kCream, PixelFont(QStringLiteral("Arial"), 16)}; }
BoxLabelLook DetailCentred() { return {kCream, PixelFont(QStringLiteral("Arial"), 16), Qt::AlignCenter}; }
BoxLabelLook BonusRow() { return {kCream, PixelFont(QStringLiteral("Arial"), 19, true)}; }
BoxLabelLook BonusValue() {
    return {kCream, PixelFont(QStringLiteral("Arial"), 19, true), Qt::AlignRight | Qt::AlignVCenter};
}

// The cream rows start with an empty box so that they line up with the
// yellow rows at the left.
constexpr int kCreamRowTops[] = {56, 80, 128, 152, 176, 200};

QImage RefineWallpaperTile() {
    QFile file(QStringLiteral(":/pictures/wallpaper_refine.jpg"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeJpeg(file.readAll());
}

QLineEdit* AddPriceEdit(QWidget* parent, const QRect& place, const QString& text) {
    auto* edit = new QLineEdit(text, parent);
    edit->setGeometry(place);
    edit->setFont(PixelFont(QStringLiteral("Arial"), 16));
    return edit;
}

// The budget table: a column of names, one for each certainty and one for
// the expectation, so that it spans the rows above it (272 to 673).
constexpr int kBudgetNameWidth = 97;
constexpr int kBudgetValueWidth = 76;
constexpr QRect kChartButtonPlace(104, 312, 75, 25);
// Under the chart's button, in the tab's free space.
constexpr QRect kCompareButtonPlace(104, 344, 75, 25);

QFont LevelFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 13); }

// One label of the result rows; the member is null for a fixed caption.
struct RowLabel {
    QLabel* RefineTab::*member;
    const char* name;
    const char* text;
    int left, top, width, height;
    BoxLabelLook (*look)();
};

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

QStringList LevelItems(const RefineRules& rules, LevelKind kind) {
    const RefineLevels levels = LevelsOf(rules, kind);
    return NumberItems(levels.lowest, levels.highest, "+");
}

// What the two averages count: every step of every attempt, or what one
// success really takes when an attempt stops where the item broke.
const QString kEveryStepToolTip = QStringLiteral(
    "Считает каждый шаг каждой попытки, как если бы попытка не останавливалась, когда вещь "
    "сломалась. Сколько на самом деле уходит на один успех, говорит «в среднем»");
const QString kStepsMadeToolTip = QStringLiteral(
    "Сколько в среднем уходит на один успех, если попытка останавливается на шаге, где вещь сломалась: "
    "материалы и сборы только за сделанные шаги. Откладывать — по этой сумме или по «Хватит с вероятностью»");

// The keys of the inputs in the settings.
const QString kClassKey = QStringLiteral("refine/class");
const QString kCurrentLevelKey = QStringLiteral("refine/from");
const QString kTargetLevelKey = QStringLiteral("refine/to");
const QString kMaterialPriceKey = QStringLiteral("refine/material-price");

bool ReadsAsZeny(const QString& text) {
    return ReadTypedSum(CoreText(text), SystemGroupSeparator()).reading == TypedSum::Reading::Zeny;
}

}  // namespace

RefineTab::RefineTab(QTabWidget& tabs, ErrorReporter& reporter, PriceBook& book)
    : TabPanel(QImage()), reporter_(reporter), book_(book), refine_(StartState(*rules_)) {
    resize(680, 418);
    tabs.addTab(this, QStringLiteral("Заточка (Beta)"));
}

// The price fields report that editing finished when they lose the focus,
// which may happen while QWidget's own destructor runs and this tab's part is
// gone: they are no longer listened to.
RefineTab::~RefineTab() {
    for (QLineEdit* price : {materialPrice_, itemPrice_})
        if (price) price->disconnect(this);
}

// A class past the built-in pictures has none.
void RefineTab::fillClassList() {
    classSelector_->clear();
    for (std::size_t i = 0; i < rules_->classes.size(); ++i) {
        const QString picture = QStringLiteral(":/pictures/refine_rows/class%1.bmp").arg(i + 1);
        classSelector_->addRow(QtText(rules_->classes[i].name),
                               QFile::exists(picture) ? BuiltInIcon(picture) : QIcon());
    }
    classSelector_->setCurrentIndex(0);
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
    // price; otherwise the first class starts as when picked.
    const SavedTexts before = savedTexts();
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
    if (classSelector_->findText(before.value(kClassKey)) >= 0) {
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
    if (hasFocus()) classSelector_->setFocus();
}

void RefineTab::buildControls(const PictureBox& character) {
    QWidget* panel = this;
    setTile(RefineWallpaperTile());

    characterPicture_ = new PictureBox(panel);
    characterPicture_->setGeometry(96, 72, 125, 125);
    characterPicture_->setTransparent(true);
    showCharacterPicture(character);

    const QFont headline = PixelFont(QStringLiteral("Verdana"), 16, true);
    AddCaption(panel, QStringLiteral("Что точим?"), {112, 216}, headline);
    AddCaption(panel, QStringLiteral("Хотим получить"), {48, 280}, headline);

    classSelector_ = new ImageCombo(panel);
    classSelector_->setGeometry(104, 248, 153, 23);
    SetListWidth(*classSelector_, 153);
    fillClassList();

    currentLevel_ =
        AddEditCombo(panel, {48, 247, 49, 24}, LevelItems(*rules_, LevelKind::Current), "+0", StartItem::None);
    targetLevel_ =
        AddEditCombo(panel, {208, 274, 49, 24}, LevelItems(*rules_, LevelKind::Target), "+7", StartItem::Matching);
    for (EditCombo* level : {currentLevel_, targetLevel_}) {
        level->setFont(LevelFont());
        SetListRowHeight(*level, 16);
    }

    const RowLabel rows[] = {
        {nullptr, nullptr, "Безопасно точится до ", 272, 33, 216, 22, Main},
        {&RefineTab::safeLevel_, "safeLevel", "+7", 488, 33, 185, 22, MainCentred},
        {nullptr, nullptr, "Стоимость одной заточки", 320, 56, 193, 24, Detail},
        {&RefineTab::attemptFee_, "attemptFee", "50", 512, 56, 89, 24, DetailCentred},
        {nullptr, nullptr, "Zeny", 600, 56, 73, 24, Detail},
        {nullptr, nullptr, "Необходимый материал:", 320, 80, 193, 24, Detail},
        {&RefineTab::materialName_, "materialName", " Phracon", 536, 80, 137, 24, Detail},
        {nullptr, nullptr, "Вероятность успешной заточки:", 272, 105, 313, 22, Main},
        {&RefineTab::successRate_, "successRate", "100", 584, 105, 73, 22, MainCentred},
        {nullptr, nullptr, "%", 656, 105, 17, 22, Main},
        {nullptr, nullptr, "Цена материала:", 320, 128, 209, 24, Detail},
        {nullptr, nullptr, " Zeny/шт.", 600, 128, 73, 24, Detail},
        {nullptr, nullptr, "Цена вещи:", 320, 152, 209, 24, Detail},
        {nullptr, nullptr, " Zeny/шт.", 600, 152, 73, 24, Detail},
        {nullptr, nullptr, "Среднее количество материалов:", 320, 176, 257, 24, Detail},
        {&RefineTab::materialCount_, "materialCount", "7", 576, 176, 65, 24, DetailCentred},
        {nullptr, nullptr, "шт.", 640, 176, 33, 24, Detail},
        {nullptr, nullptr, "Среднее количество вещей:", 320, 200, 257, 24, Detail},
        {&RefineTab::itemCount_, "itemCount", "1", 576, 200, 65, 24, DetailCentred},
        {nullptr, nullptr, "шт.", 640, 200, 33, 24, Detail},
        {&RefineTab::averageCostCaption_, "averageCostCaption", "Средняя себестоимость заточки:", 272, 225, 257, 49,
         MainWrapped},
        {&RefineTab::averageCost_, "averageCost", "1750", 528, 225, 145, 49, MainCentredWrapped},
        {nullptr, nullptr, "Бонус от заточки:", 272, 275, 177, 22, BonusRow},
        {&RefineTab::bonus_, "bonus", "ATK +14", 448, 275, 225, 22, BonusValue},
    };

    for (int top : kCreamRowTops) AddBoxLabel(panel, {}, {272, top, 49, 24}, Detail());
    for (const RowLabel& row : rows) {
        QLabel* label =
            AddBoxLabel(panel, QString::fromUtf8(row.text), {row.left, row.top, row.width, row.height}, row.look());
        if (!row.member) continue;
        this->*row.member = label;
        label->setObjectName(QLatin1String(row.name));
    }

    averageCostCaption_->setToolTip(kEveryStepToolTip);

    materialPicture_ = new PictureBox(panel);
    materialPicture_->setGeometry(512, 80, 24, 24);
    materialPicture_->setPicture(BuiltInPicture(QStringLiteral(":/pictures/material_phracon.bmp")));

    materialPrice_ = AddPriceEdit(panel, {528, 128, 73, 24}, QString::number(refine_.materialPrice));
    itemPrice_ = AddPriceEdit(panel, {528, 152, 73, 24}, QString());
    for (QLabel* figure : {successRate_, materialCount_, itemCount_, averageCost_, bonus_})
        figure->setTextFormat(Qt::PlainText);

    // Under the bonus: what it takes to succeed with 50, 90 and 99 % certainty.
    AddBoxLabel(panel, QStringLiteral("Хватит с вероятностью:"), {272, 298, 401, 22}, Main());
    budget_ = new BudgetTable({QStringLiteral("Вещей:"), QStringLiteral("Материалов:"), QStringLiteral("Zeny:")},
                              {kBudgetNameWidth, kBudgetValueWidth, 24, Detail(), Detail()}, panel,
                              BudgetTableColumn{QStringLiteral("в среднем"), kStepsMadeToolTip});
    budget_->move(272, 321);
    chartButton_ = new QPushButton(QStringLiteral("График..."), panel);
    chartButton_->setGeometry(kChartButtonPlace);
    compareButton_ = new QPushButton(QStringLiteral("Сравнить..."), panel);
    compareButton_->setGeometry(kCompareButtonPlace);

    const std::pair<QWidget*, const char*> named[] = {{characterPicture_, "refineCharacterPicture"},
                                                      {classSelector_, "classSelector"},
                                                      {currentLevel_, "currentLevel"},
                                                      {targetLevel_, "targetLevel"},
                                                      {materialPicture_, "materialPicture"},
                                                      {materialPrice_, "materialPrice"},
                                                      {itemPrice_, "itemPrice"},
                                                      {budget_, "refineBudget"},
                                                      {chartButton_, "refineChartButton"},
                                                      {compareButton_, "refineCompareButton"}};
    for (const auto& [control, name] : named) control->setObjectName(QLatin1String(name));
}

void RefineTab::setKeyboardOrder() {
    QWidget* const order[] = {classSelector_, currentLevel_, targetLevel_,  materialPrice_,
                              itemPrice_,     chartButton_,  compareButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
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
        const std::optional<std::size_t> found = FindRefineClass(*rules_, CoreText(classSelector_->currentText()));
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
        showNoPlan(QtText(plan.error()));
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
    averageCost_->setText(QtText(WholeAmountText(plan.cost)));
    for (QLabel* figure : {successRate_, itemCount_, materialCount_, bonus_}) figure->setToolTip(QString());
    averageCost_->setToolTip(kEveryStepToolTip);
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
    shown.averageToolTip = kEveryStepToolTip;
    shown.expectedToolTip = kStepsMadeToolTip;
    return shown;
}

void RefineTab::showChart() {
    if (!chart_) return;
    const RefineClassRule& cls = rules_->classes.at(refine_.classIndex);
    chart_->setWindowTitle(
        QStringLiteral("График: %1, %2 → %3")
            .arg(QtText(cls.name), QtText(LevelText(refine_.currentLevel)), QtText(LevelText(refine_.targetLevel))));
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

// The item's price is the book's, by class and level; the material's is
// kept only as a sum that can be read, never half-typed.
SavedTexts RefineTab::savedTexts() const {
    if (!isBuilt()) return saved_;
    SavedTexts texts{{kClassKey, classSelector_->currentText()},
                     {kCurrentLevelKey, QtText(LevelText(refine_.currentLevel))},
                     {kTargetLevelKey, QtText(LevelText(refine_.targetLevel))}};
    if (ReadsAsZeny(materialPrice_->text())) texts.insert(kMaterialPriceKey, materialPrice_->text());
    return texts;
}

void RefineTab::restore(const SavedTexts& saved) {
    saved_.clear();
    for (const QString& key : {kClassKey, kCurrentLevelKey, kTargetLevelKey, kMaterialPriceKey})
        if (saved.contains(key)) saved_.insert(key, saved.value(key));
}

// The levels as typed and then left: a commit moves the other level where
// it must, so either order ends at the saved pair.
void RefineTab::putSavedTexts() {
    const SavedTexts saved = std::exchange(saved_, {});
    const QString cls = saved.value(kClassKey);
    if (cls != classSelector_->currentText()) classSelector_->pick(cls);
    for (const auto& [key, box] :
         {std::pair{kCurrentLevelKey, currentLevel_}, std::pair{kTargetLevelKey, targetLevel_}}) {
        const QString level = saved.value(key);
        if (level != box->currentText() && box->findText(level) >= 0) box->setTextAsTyped(level);
    }
    if (const QString price = saved.value(kMaterialPriceKey); ReadsAsZeny(price)) materialPrice_->setText(price);
}

}  // namespace trivelon::gui
