// The refining tab: its controls at their places, and its handlers. Picking
// a class shows its safe-refine figures; changing a level recomputes rate,
// counts, bonus and cost; editing a price recomputes the cost.
#include "gui/refine/refine_tab.h"

#include <utility>

#include <QFile>
#include <QImage>

#include "core/money_text.h"
#include "core/numbers.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/pictures/jpeg_decoder.h"
#include "gui/pictures/picture_loader.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/known_format_image.h"
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

QFont LevelFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 13); }

// One label of the result rows; the member is null for a fixed caption.
struct RowLabel {
    QLabel* RefineTab::*member;
    const char* name;
    const char* text;
    int left, top, width, height;
    BoxLabelLook (*look)();
};

// The state the tab starts in, which its controls' first texts show: class
// 1 from +0 to its safe level, with the class's fee and material price.
RefineState StartState() {
    const RefineClass& first = kRefineClasses.front();
    RefineState state;
    ApplyRefineClass(state, first);
    state.materialPrice = first.materialDefaultPrice;
    return state;
}

// The keys of the inputs in the settings.
const QString kClassKey = QStringLiteral("refine/class");
const QString kCurrentLevelKey = QStringLiteral("refine/from");
const QString kTargetLevelKey = QStringLiteral("refine/to");
const QString kMaterialPriceKey = QStringLiteral("refine/material-price");
const QString kItemPriceKey = QStringLiteral("refine/item-price");

}  // namespace

RefineTab::RefineTab(QTabWidget& tabs, ErrorReporter& reporter, PriceBook& book)
    : TabPanel(QImage()), reporter_(reporter), book_(book), refine_(StartState()) {
    resize(680, 418);
    tabs.addTab(this, QStringLiteral("Заточка (Beta)"));
}

void RefineTab::buildOnce(const PictureBox& character) {
    if (isBuilt()) return;
    buildControls(character);
    // Controls made inside a page that is already on screen stay hidden
    // until they are shown.
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->show();
    setKeyboardOrder();
    bindHandlers();
    // The start figures are a safe refine's, whatever the research level.
    weaponryResearchUsed_ = weaponryResearch_;
    Guarded(reporter_, [this] { showCost(); });
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
    for (const RefineClass& cls : kRefineClasses)
        classSelector_->addRow(QtText(cls.classText),
                               BuiltInIcon(QStringLiteral(":/pictures/refine_rows/class%1.bmp").arg(cls.classNumber)));
    classSelector_->setCurrentIndex(0);

    currentLevel_ = AddEditCombo(panel, {48, 247, 49, 24}, NumberItems(0, 9, "+"), "+0", StartItem::None);
    targetLevel_ = AddEditCombo(panel, {208, 274, 49, 24}, NumberItems(1, 10, "+"), "+7", StartItem::Matching);
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
        {nullptr, nullptr, "Средняя себестоимость заточки:", 272, 225, 257, 49, MainWrapped},
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

    materialPicture_ = new PictureBox(panel);
    materialPicture_->setGeometry(512, 80, 24, 24);
    materialPicture_->setPicture(BuiltInPicture(QStringLiteral(":/pictures/material_phracon.bmp")));

    materialPrice_ = AddPriceEdit(panel, {528, 128, 73, 24}, QString::number(refine_.materialPrice));
    itemPrice_ = AddPriceEdit(panel, {528, 152, 73, 24}, QString::number(refine_.itemPrice));

    // Under the bonus: what it takes to succeed with 50, 90 and 99 % certainty.
    AddBoxLabel(panel, QStringLiteral("Хватит с вероятностью:"), {272, 298, 401, 22}, Main());
    budget_ = new BudgetTable({QStringLiteral("Вещей:"), QStringLiteral("Материалов:"), QStringLiteral("Zeny:")},
                              {kBudgetNameWidth, kBudgetValueWidth, 24, Detail(), Detail()}, panel,
                              BudgetTableColumn{QStringLiteral("в среднем"),
                                                QStringLiteral("Сколько в среднем уходит на один успех, если попытка "
                                                               "останавливается на шаге, где вещь сломалась: "
                                                               "материалы и сборы только за сделанные шаги")});
    budget_->move(272, 321);
    chartButton_ = new QPushButton(QStringLiteral("График..."), panel);
    chartButton_->setGeometry(kChartButtonPlace);

    const std::pair<QWidget*, const char*> named[] = {{characterPicture_, "refineCharacterPicture"},
                                                      {classSelector_, "classSelector"},
                                                      {currentLevel_, "currentLevel"},
                                                      {targetLevel_, "targetLevel"},
                                                      {materialPicture_, "materialPicture"},
                                                      {materialPrice_, "materialPrice"},
                                                      {itemPrice_, "itemPrice"},
                                                      {budget_, "refineBudget"},
                                                      {chartButton_, "refineChartButton"}};
    for (const auto& [control, name] : named) control->setObjectName(QLatin1String(name));
}

void RefineTab::setKeyboardOrder() {
    QWidget* const order[] = {classSelector_, currentLevel_, targetLevel_, materialPrice_, itemPrice_, chartButton_};
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
    // The price as the change handler reads the typed text.
    connect(materialPrice_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        book_.remember(PriceBook::RefineMaterialEntry(refine_.classNumber),
                       IntegerText(ParseLenientInt(CoreText(typed))), {});
    });
    connect(chartButton_, &QPushButton::clicked, this, &RefineTab::openChart);
}

void RefineTab::showCharacterPicture(const PictureBox& character) {
    // The built-in picture, or the one the base level has loaded since.
    if (characterPicture_) characterPicture_->setPictureFromFile(character.picture(), character.picturePath());
}

void RefineTab::setWeaponryResearch(std::optional<std::int32_t> level) { weaponryResearch_ = level; }

void RefineTab::classChosen() {
    Guarded(reporter_, [this] {
        const RefineClass* cls = FindRefineClass(CoreText(classSelector_->currentText()));
        if (!cls) return;
        ApplyRefineClass(refine_, *cls);
        successRate_->setText(QStringLiteral("100"));
        const SafeRefine safe = SafeRefineOf(*cls);
        safeLevel_->setText(QtText(LevelText(safe.level)));
        attemptFee_->setText(QString::number(cls->fee));
        bonus_->setText(QtText(safe.bonusText));
        currentLevel_->setTextSilently(QtText(LevelText(refine_.currentLevel)));
        targetLevel_->setTextSilently(QtText(LevelText(refine_.targetLevel)));
        itemCount_->setText(QString::number(refine_.itemCount));
        materialCount_->setText(QString::number(refine_.materialCount));
        showCost();
        ThrowIfFailed(LoadPicture(*materialPicture_, QtText(cls->materialImage)));
        materialName_->setText(QtText(cls->materialName));
        // A changed price text runs the price handler, which shows the cost
        // at the class's material price: the last one typed for the class,
        // or its usual one.
        const std::optional<std::string> remembered = book_.text(PriceBook::RefineMaterialEntry(cls->classNumber));
        materialPrice_->setText(remembered ? QtText(*remembered) : QString::number(cls->materialDefaultPrice));
    });
}

void RefineTab::levelChanged(LevelKind kind, bool committed) {
    Guarded(reporter_, [&] {
        const bool current = kind == LevelKind::Current;
        EditCombo& box = current ? *currentLevel_ : *targetLevel_;
        EditCombo& other = current ? *targetLevel_ : *currentLevel_;
        const auto level = ParseLevel(CoreText(box.currentText()), kind);
        const bool movesOther = level && (current ? *level > refine_.targetLevel : *level < refine_.currentLevel);
        // A commit acts only where typing held back; typing holds back a
        // level that would move the other one.
        if (committed != movesOther) return;
        if (level && (current ? ChooseCurrentLevel(refine_, *level) : ChooseTargetLevel(refine_, *level)))
            other.setTextSilently(box.currentText());
        recompute();
    });
}

void RefineTab::showEvent(QShowEvent* event) {
    TabPanel::showEvent(event);
    if (isBuilt() && weaponryResearch_ != weaponryResearchUsed_) Guarded(reporter_, [this] { recompute(); });
}

void RefineTab::recompute() {
    weaponryResearchUsed_ = weaponryResearch_;
    const std::int32_t research =
        RefineNeedsWeaponryResearch(refine_.classNumber, refine_.currentLevel, refine_.targetLevel)
            ? (weaponryResearch_ ? *weaponryResearch_
                                 : throw HandlerError{QStringLiteral("Weaponry Research: не целое число")})
            : 0;
    const RefineOutcome outcome =
        Take(ComputeRefine(refine_.classNumber, refine_.currentLevel, refine_.targetLevel, research));
    StoreRefineOutcome(refine_, outcome);
    research_ = research;
    bonus_->setText(QtText(outcome.bonusText));
    itemCount_->setText(QString::number(refine_.itemCount));
    materialCount_->setText(QString::number(refine_.materialCount));
    // Nothing to do above the safe level has no rate of its own.
    successRate_->setText(outcome.rate ? QtText(FormatGeneral(*outcome.rate, SystemDecimalSeparator()))
                                       : QStringLiteral("—"));
    showCost();
}

void RefineTab::priceEdited(QLineEdit& edit, std::int32_t RefineState::*field) {
    Guarded(reporter_, [&] {
        const std::int32_t value = ParseLenientInt(CoreText(edit.text()));
        refine_.*field = value;
        const QString normalised = QString::number(value);
        if (edit.text() != normalised) {
            // The edit reports the new text, and the handler's run on it
            // shows the cost.
            edit.setText(normalised);
            return;
        }
        showCost();
    });
}

void RefineTab::showCost() {
    // A cost beyond the 64-bit range reads as too much in its place.
    cost_ = RefineCost(refine_.materialCount, refine_.itemCount, refine_.materialPrice, refine_.attemptFee,
                       refine_.itemPrice);
    averageCost_->setText(QtText(WholeAmountText(cost_)));
    showBudget();
}

std::optional<RefineExpectationFigures> RefineTab::expectation() const {
    // The levels' rates were computed with research_, and a step chance of 0
    // or below stopped that computation with its message before this point.
    return Take(ExpectRefineFigures(refine_.classNumber, refine_.currentLevel, refine_.targetLevel, research_,
                                    {refine_.materialPrice, refine_.attemptFee, refine_.itemPrice}));
}

BudgetCalculation RefineTab::calculation(const std::optional<RefineExpectationFigures>& expected) const {
    const std::int32_t levels = refine_.targetLevel - refine_.currentLevel;
    return {refine_.tryChance, RefineTryCost(levels, refine_.itemPrice, refine_.materialPrice, refine_.attemptFee),
            cost_, expected ? expected->cost : std::nullopt};
}

void RefineTab::showBudget() {
    const std::optional<RefineExpectationFigures> expected = expectation();
    const BudgetCalculation shown = calculation(expected);
    const std::int32_t levels = refine_.targetLevel - refine_.currentLevel;
    const std::optional<RefineBudget> plan = Take(PlanRefineBudget(shown.chance, levels, shown.tryCost));
    if (plan) {
        BudgetFigures items, materials, zeny;
        for (std::size_t i = 0; i < plan->size(); ++i) {
            items[i] = (*plan)[i].items;
            materials[i] = (*plan)[i].materials;
            zeny[i] = (*plan)[i].cost;
        }
        budget_->showFigures(0, items);
        budget_->showFigures(1, materials);
        budget_->showFigures(2, zeny);
    } else {
        budget_->showNothing();
    }
    if (expected)
        budget_->showColumnFigures(QList<ColumnFigure>{
            {expected->itemsTenths, true}, {expected->materialsTenths, true}, {expected->cost, false}});
    else
        budget_->showColumnFigures(std::nullopt);
    if (chart_) {
        const RefineClass& cls = kRefineClasses[static_cast<std::size_t>(refine_.classNumber - 1)];
        chart_->setWindowTitle(QStringLiteral("График: %1, %2 → %3")
                                   .arg(QtText(cls.classText), QtText(LevelText(refine_.currentLevel)),
                                        QtText(LevelText(refine_.targetLevel))));
        chart_->setCalculation(shown);
    }
}

void RefineTab::openChart() {
    Guarded(reporter_, [this] {
        if (!chart_) chart_ = new BudgetChartWindow(book_, this);
        showBudget();
        chart_->show();
        chart_->raise();
        chart_->activateWindow();
    });
}

SavedTexts RefineTab::savedTexts() const {
    if (!isBuilt()) return saved_;
    return {{kClassKey, classSelector_->currentText()},
            {kCurrentLevelKey, currentLevel_->currentText()},
            {kTargetLevelKey, targetLevel_->currentText()},
            {kMaterialPriceKey, materialPrice_->text()},
            {kItemPriceKey, itemPrice_->text()}};
}

void RefineTab::restore(const SavedTexts& saved) {
    saved_.clear();
    for (const QString& key : {kClassKey, kCurrentLevelKey, kTargetLevelKey, kMaterialPriceKey, kItemPriceKey})
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
    for (const auto& [key, edit] :
         {std::pair{kMaterialPriceKey, materialPrice_}, std::pair{kItemPriceKey, itemPrice_}}) {
        const QString price = saved.value(key);
        if (TryParseInt(CoreText(price))) edit->setText(price);
    }
}

}  // namespace trivelon::gui
