// The refining tab's controls at their places, with their looks, names and
// Tab order.
#include <utility>
#include <vector>

#include <QFile>
#include <QImage>

#include "gui/pictures/built_in_icon.h"
#include "gui/pictures/jpeg_decoder.h"
#include "gui/refine/refine_tab.h"
#include "gui/refine/refine_tab_texts.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/known_format_image.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

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

// One label of the result rows; the member is null for a fixed caption. Its
// text is shown in the player's language: a caption's has a translation, a
// figure's stands until the first plan replaces it.
struct RowLabel {
    QLabel* RefineTab::*member;
    const char* name;
    const char* text;
    int left, top, width, height;
    BoxLabelLook (*look)();
};

}  // namespace

// A class past the built-in pictures has none. A built-in class shows its
// name in the player's language, a server's as its rules write it; each row
// keeps the name the rules give as its key.
void RefineTab::fillClassList() {
    classSelector_->clear();
    for (std::size_t i = 0; i < rules_->classes.size(); ++i) {
        const std::string& name = rules_->classes[i].name;
        const QString picture = QStringLiteral(":/pictures/refine_rows/class%1.bmp").arg(i + 1);
        classSelector_->addRow(Translated("Rules", name), QFile::exists(picture) ? BuiltInIcon(picture) : QIcon(),
                               QtText(name));
    }
    classSelector_->setCurrentIndex(0);
}

void RefineTab::buildControls(const PictureBox& character) {
    QWidget* panel = this;
    setTile(RefineWallpaperTile());

    characterPicture_ = new PictureBox(panel);
    characterPicture_->setGeometry(96, 72, 125, 125);
    characterPicture_->setTransparent(true);
    showCharacterPicture(character);

    const QFont headline = PixelFont(QStringLiteral("Verdana"), 16, true);
    QLabel* classCaption = AddCaption(panel, tr("Что точим?"), {112, 216}, headline);
    QLabel* targetCaption = AddCaption(panel, tr("Хотим получить"), {48, 280}, headline);

    classSelector_ = new ImageCombo(panel);
    classSelector_->setGeometry(104, 248, 153, 23);
    SetListWidth(*classSelector_, 153);
    fillClassList();

    currentLevel_ =
        AddEditCombo(panel, {48, 247, 49, 24}, LevelItems(*rules_, LevelKind::Current), "+0", StartItem::None);
    targetLevel_ =
        AddEditCombo(panel, {208, 274, 49, 24}, LevelItems(*rules_, LevelKind::Target), "+7", StartItem::Matching);
    CaptionOf(*classCaption, *classSelector_);
    CaptionOf(*targetCaption, *targetLevel_);
    // Left of the class, with no caption of its own.
    currentLevel_->setAccessibleName(tr("Текущий уровень"));
    for (EditCombo* level : {currentLevel_, targetLevel_}) {
        level->setFont(LevelFont());
        SetListRowHeight(*level, 16);
    }

    const RowLabel rows[] = {
        {nullptr, nullptr, QT_TR_NOOP("Безопасно точится до "), 272, 33, 216, 22, Main},
        {&RefineTab::safeLevel_, "safeLevel", "+7", 488, 33, 185, 22, MainCentred},
        {nullptr, nullptr, QT_TR_NOOP("Стоимость одной заточки"), 320, 56, 193, 24, Detail},
        {&RefineTab::attemptFee_, "attemptFee", "50", 512, 56, 89, 24, DetailCentred},
        {nullptr, nullptr, "Zeny", 600, 56, 73, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP("Необходимый материал:"), 320, 80, 193, 24, Detail},
        {&RefineTab::materialName_, "materialName", " Phracon", 536, 80, 137, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP("Вероятность успешной заточки:"), 272, 105, 313, 22, Main},
        {&RefineTab::successRate_, "successRate", "100", 584, 105, 73, 22, MainCentred},
        {nullptr, nullptr, "%", 656, 105, 17, 22, Main},
        {nullptr, nullptr, QT_TR_NOOP("Цена материала:"), 320, 128, 209, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP(" Zeny/шт."), 600, 128, 73, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP("Цена вещи:"), 320, 152, 209, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP(" Zeny/шт."), 600, 152, 73, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP("Среднее количество материалов:"), 320, 176, 257, 24, Detail},
        {&RefineTab::materialCount_, "materialCount", "7", 576, 176, 65, 24, DetailCentred},
        {nullptr, nullptr, QT_TR_NOOP("шт."), 640, 176, 33, 24, Detail},
        {nullptr, nullptr, QT_TR_NOOP("Среднее количество вещей:"), 320, 200, 257, 24, Detail},
        {&RefineTab::itemCount_, "itemCount", "1", 576, 200, 65, 24, DetailCentred},
        {nullptr, nullptr, QT_TR_NOOP("шт."), 640, 200, 33, 24, Detail},
        {&RefineTab::averageCostCaption_, "averageCostCaption", QT_TR_NOOP("Средняя себестоимость заточки:"), 272, 225,
         257, 49, MainWrapped},
        {&RefineTab::averageCost_, "averageCost", "1750", 528, 225, 145, 49, MainCentredWrapped},
        {nullptr, nullptr, QT_TR_NOOP("Бонус от заточки:"), 272, 275, 177, 22, BonusRow},
        {&RefineTab::bonus_, "bonus", "ATK +14", 448, 275, 225, 22, BonusValue},
    };

    for (int top : kCreamRowTops) AddBoxLabel(panel, {}, {272, top, 49, 24}, Detail());
    std::vector<QLabel*> labels;
    for (const RowLabel& row : rows) {
        labels.push_back(AddBoxLabel(panel, tr(row.text), {row.left, row.top, row.width, row.height}, row.look()));
        if (!row.member) continue;
        this->*row.member = labels.back();
        labels.back()->setObjectName(QLatin1String(row.name));
    }
    // A figure is read with the box before it on its row, its caption, and
    // the fixed box after it there, its unit.
    for (std::size_t i = 1; i < labels.size(); ++i) {
        if (!rows[i].member || rows[i - 1].top != rows[i].top) continue;
        const bool unit = i + 1 < labels.size() && !rows[i + 1].member && rows[i + 1].top == rows[i].top;
        NameFigure(*labels[i], labels[i - 1]->text(), unit ? labels[i + 1]->text() : QString());
    }
    const auto captionOfRow = [&](QWidget& control, int top) {
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (rows[i].top == top && !rows[i].member) {
                CaptionOf(*labels[i], control);
                return;
            }
    };

    averageCostCaption_->setToolTip(EveryStepToolTip());

    materialPicture_ = new PictureBox(panel);
    materialPicture_->setGeometry(512, 80, 24, 24);
    materialPicture_->setPicture(BuiltInPicture(QStringLiteral(":/pictures/material_phracon.bmp")));

    materialPrice_ = AddPriceEdit(panel, {528, 128, 73, 24}, QString::number(refine_.materialPrice));
    itemPrice_ = AddPriceEdit(panel, {528, 152, 73, 24}, QString());
    captionOfRow(*materialPrice_, 128);
    captionOfRow(*itemPrice_, 152);
    for (QLabel* figure : {successRate_, materialCount_, itemCount_, averageCost_, bonus_})
        figure->setTextFormat(Qt::PlainText);

    // Under the bonus: what it takes to succeed with 50, 90 and 99 % certainty.
    QLabel* budgetCaption = AddBoxLabel(panel, tr("Хватит с вероятностью:"), {272, 298, 401, 22}, Main());
    budget_ = new BudgetTable({tr("Вещей:"), tr("Материалов:"), QStringLiteral("Zeny:")},
                              {kBudgetNameWidth, kBudgetValueWidth, 24, Detail(), Detail()}, panel,
                              BudgetTableColumn{tr("в среднем"), StepsMadeToolTip()});
    budget_->move(272, 321);
    CaptionOf(*budgetCaption, *budget_);
    chartButton_ = new QPushButton(tr("График..."), panel);
    chartButton_->setGeometry(kChartButtonPlace);
    compareButton_ = new QPushButton(tr("Сравнить..."), panel);
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

// As the tab is read: the levels and the class left to right, the prices,
// then the buttons and the budgets beside them.
void RefineTab::setKeyboardOrder() {
    QWidget* const order[] = {currentLevel_, classSelector_, targetLevel_,   materialPrice_,
                              itemPrice_,    chartButton_,   compareButton_, budget_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace trivelon::gui
