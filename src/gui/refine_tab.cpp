// The refining tab of the main window: the class and level selectors, the
// two price edits and the rows of result labels.
#include <QFile>
#include <QImage>

#include "core/refine.h"
#include "gui/built_in_icon.h"
#include "gui/control_factory.h"
#include "gui/jpeg_decoder.h"
#include "gui/known_format_image.h"
#include "gui/main_window.h"
#include "gui/tab_panel.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

const QColor kYellow(255, 255, 0);
const QColor kCream(255, 251, 240);

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

// One label of the result rows; the member is null for a fixed caption.
struct RowLabel {
    QLabel* MainWindow::*member;
    const char* name;
    const char* text;
    int left, top, width, height;
    BoxLabelLook (*look)();
};

constexpr RowLabel kRowLabels[] = {
    {nullptr, nullptr, "Безопасно точится до ", 272, 33, 216, 22, Main},
    {&MainWindow::safeLevel, "safeLevel", "+7", 488, 33, 185, 22, MainCentred},
    {nullptr, nullptr, "Стоимость одной заточки", 320, 56, 193, 24, Detail},
    {&MainWindow::attemptFee, "attemptFee", "50", 512, 56, 89, 24, DetailCentred},
    {nullptr, nullptr, "Zeny", 600, 56, 73, 24, Detail},
    {nullptr, nullptr, "Необходимый материал:", 320, 80, 193, 24, Detail},
    {&MainWindow::materialName, "materialName", " Phracon", 536, 80, 137, 24, Detail},
    {nullptr, nullptr, "Вероятность успешной заточки:", 272, 105, 313, 22, Main},
    {&MainWindow::successRate, "successRate", "100", 584, 105, 73, 22, MainCentred},
    {nullptr, nullptr, "%", 656, 105, 17, 22, Main},
    {nullptr, nullptr, "Цена материала:", 320, 128, 209, 24, Detail},
    {nullptr, nullptr, " Zeny/шт.", 600, 128, 73, 24, Detail},
    {nullptr, nullptr, "Цена вещи:", 320, 152, 209, 24, Detail},
    {nullptr, nullptr, " Zeny/шт.", 600, 152, 73, 24, Detail},
    {nullptr, nullptr, "Среднее количество материалов:", 320, 176, 257, 24, Detail},
    {&MainWindow::materialCount, "materialCount", "7", 576, 176, 65, 24, DetailCentred},
    {nullptr, nullptr, "шт.", 640, 176, 33, 24, Detail},
    {nullptr, nullptr, "Среднее количество вещей:", 320, 200, 257, 24, Detail},
    {&MainWindow::itemCount, "itemCount", "1", 576, 200, 65, 24, DetailCentred},
    {nullptr, nullptr, "шт.", 640, 200, 33, 24, Detail},
    {nullptr, nullptr, "Средняя себестоимость заточки:", 272, 225, 257, 49, MainWrapped},
    {&MainWindow::averageCost, "averageCost", "1750", 528, 225, 145, 49, MainCentredWrapped},
    {nullptr, nullptr, "Бонус от заточки:", 272, 275, 177, 22, BonusRow},
    {&MainWindow::bonus, "bonus", "ATK +14", 448, 275, 225, 22, BonusValue},
};

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

// The budget table: a column of names and one for each certainty, so that
// it spans the rows above it.
constexpr int kBudgetNameWidth = 119;
constexpr int kBudgetValueWidth = 94;
constexpr QRect kChartButtonPlace(104, 312, 75, 25);

QFont LevelFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 13); }

}  // namespace

void MainWindow::addRefinePage() {
    refinePage_ = new TabPanel(QImage());
    refinePage_->resize(680, 418);
    tabs->addTab(refinePage_, QStringLiteral("Заточка (Beta)"));
}

void MainWindow::buildRefineTabOnce() {
    if (classSelector) return;
    TabPanel* panel = refinePage_;
    panel->setTile(RefineWallpaperTile());

    refineCharacterPicture = new PictureBox(panel);
    refineCharacterPicture->setGeometry(96, 72, 125, 125);
    refineCharacterPicture->setTransparent(true);
    // The same picture as the forging tab's: the built-in one, or the one
    // the base level has loaded since the start.
    refineCharacterPicture->setPictureFromFile(characterPicture->picture(), characterPicture->picturePath());

    const QFont headline = PixelFont(QStringLiteral("Verdana"), 16, true);
    AddCaption(panel, QStringLiteral("Что точим?"), {112, 216}, headline);
    AddCaption(panel, QStringLiteral("Хотим получить"), {48, 280}, headline);

    classSelector = new ImageCombo(panel);
    classSelector->setGeometry(104, 248, 153, 23);
    SetListWidth(*classSelector, 153);
    for (const RefineClass& cls : kRefineClasses)
        classSelector->addRow(QtText(cls.classText),
                              BuiltInIcon(QStringLiteral(":/pictures/refine_rows/class%1.bmp").arg(cls.classNumber)));
    classSelector->setCurrentIndex(0);

    currentLevel = AddEditCombo(panel, {48, 247, 49, 24}, NumberItems(0, 9, "+"), "+0", StartItem::None);
    targetLevel = AddEditCombo(panel, {208, 274, 49, 24}, NumberItems(1, 10, "+"), "+7", StartItem::Matching);
    for (EditCombo* level : {currentLevel, targetLevel}) {
        level->setFont(LevelFont());
        SetListRowHeight(*level, 16);
    }

    for (int top : kCreamRowTops) AddBoxLabel(panel, {}, {272, top, 49, 24}, Detail());
    for (const RowLabel& row : kRowLabels) {
        QLabel* label =
            AddBoxLabel(panel, QString::fromUtf8(row.text), {row.left, row.top, row.width, row.height}, row.look());
        if (!row.member) continue;
        this->*row.member = label;
        label->setObjectName(QLatin1String(row.name));
    }

    materialPicture = new PictureBox(panel);
    materialPicture->setGeometry(512, 80, 24, 24);
    materialPicture->setPicture(BuiltInPicture(QStringLiteral(":/pictures/material_phracon.bmp")));

    materialPrice = AddPriceEdit(panel, {528, 128, 73, 24}, QStringLiteral("200"));
    itemPrice = AddPriceEdit(panel, {528, 152, 73, 24}, QStringLiteral("0"));

    // Under the bonus: what it takes to succeed with 50, 90 and 99 % certainty.
    AddBoxLabel(panel, QStringLiteral("Хватит с вероятностью:"), {272, 298, 401, 22}, Main());
    refineBudget = new BudgetTable({QStringLiteral("Вещей:"), QStringLiteral("Материалов:"), QStringLiteral("Zeny:")},
                                   {kBudgetNameWidth, kBudgetValueWidth, 24, Detail(), Detail()}, panel);
    refineBudget->move(272, 321);
    refineChartButton = new QPushButton(QStringLiteral("График..."), panel);
    refineChartButton->setGeometry(kChartButtonPlace);

    const std::pair<QWidget*, const char*> named[] = {{refineCharacterPicture, "refineCharacterPicture"},
                                                      {classSelector, "classSelector"},
                                                      {currentLevel, "currentLevel"},
                                                      {targetLevel, "targetLevel"},
                                                      {materialPicture, "materialPicture"},
                                                      {materialPrice, "materialPrice"},
                                                      {itemPrice, "itemPrice"}};
    for (const auto& [control, name] : named) control->setObjectName(QLatin1String(name));

    // Controls made inside a page that is already on screen stay hidden
    // until they are shown.
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->show();
    setRefineKeyboardOrder();
    bindRefineHandlers();
    Guarded(reporter_, [this] { showRefineBudget(); });
    // Switching tabs moved the focus from the forging tab onto this page
    // while it was still empty; it belongs on the page's first control.
    if (panel->hasFocus()) classSelector->setFocus();
}

}  // namespace trivelon::gui
