// The refining tab of the main window: the class and level selectors, the
// two price edits and the rows of result labels.
#include <QFile>
#include <QImage>

#include "core/refine.h"
#include "gui/built_in_icon.h"
#include "gui/calc.h"
#include "gui/control_factory.h"
#include "gui/jpeg_decoder.h"
#include "gui/known_format_image.h"
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
    QLabel* TForm1::*member;
    const char* text;
    int left, top, width, height;
    BoxLabelLook (*look)();
};

constexpr RowLabel kRowLabels[] = {
    {nullptr, "Безопасно точится до ", 272, 33, 216, 22, Main},
    {&TForm1::SafeRefine, "+7", 488, 33, 185, 22, MainCentred},
    {nullptr, "Стоимость одной заточки", 320, 56, 193, 24, Detail},
    {&TForm1::Price1Ref, "50", 512, 56, 89, 24, DetailCentred},
    {nullptr, "Zeny", 600, 56, 73, 24, Detail},
    {nullptr, "Необходимый материал:", 320, 80, 193, 24, Detail},
    {&TForm1::NameMaterial, " Phracon", 536, 80, 137, 24, Detail},
    {nullptr, "Вероятность успешной заточки:", 272, 105, 313, 22, Main},
    {&TForm1::RefineRate, "100", 584, 105, 73, 22, MainCentred},
    {nullptr, "%", 656, 105, 17, 22, Main},
    {nullptr, "Цена материала:", 320, 128, 209, 24, Detail},
    {nullptr, " Zeny/шт.", 600, 128, 73, 24, Detail},
    {nullptr, "Цена вещи:", 320, 152, 209, 24, Detail},
    {nullptr, " Zeny/шт.", 600, 152, 73, 24, Detail},
    {nullptr, "Среднее количество материалов:", 320, 176, 257, 24, Detail},
    {&TForm1::QuanMaterial, "7", 576, 176, 65, 24, DetailCentred},
    {nullptr, "шт.", 640, 176, 33, 24, Detail},
    {nullptr, "Среднее количество вещей:", 320, 200, 257, 24, Detail},
    {&TForm1::QuanRefItem, "1", 576, 200, 65, 24, DetailCentred},
    {nullptr, "шт.", 640, 200, 33, 24, Detail},
    {nullptr, "Средняя себестоимость заточки:", 272, 225, 257, 49, MainWrapped},
    {&TForm1::AvgRefPrice, "1750", 528, 225, 145, 49, MainCentredWrapped},
    {nullptr, "Бонус от заточки:", 272, 275, 177, 22, BonusRow},
    {&TForm1::Bonus, "ATK +14", 448, 275, 225, 22, BonusValue},
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

QFont LevelFont() { return PixelFont(QStringLiteral("MS Sans Serif"), 13); }

}  // namespace

void TForm1::addRefinePage() {
    refinePage_ = new TabPanel(QImage());
    refinePage_->resize(680, 418);
    Page1->addTab(refinePage_, QStringLiteral("Заточка (Beta)"));
}

void TForm1::buildRefineTabOnce() {
    if (Refine) return;
    TabPanel* panel = refinePage_;
    panel->setTile(RefineWallpaperTile());

    ImageBS = new PictureBox(panel);
    ImageBS->setGeometry(96, 72, 125, 125);
    ImageBS->setTransparent(true);
    // The same picture as the forging tab's: the built-in one, or the one
    // the base level has loaded since the start.
    ImageBS->setPictureFromFile(BS->picture(), BS->picturePath());

    const QFont headline = PixelFont(QStringLiteral("Verdana"), 16, true);
    AddCaption(panel, QStringLiteral("Что точим?"), {112, 216}, headline);
    AddCaption(panel, QStringLiteral("Хотим получить"), {48, 280}, headline);

    Refine = new ImageCombo(panel);
    Refine->setGeometry(104, 248, 153, 23);
    SetListWidth(*Refine, 153);
    for (const RefineClass& cls : kRefineClasses)
        Refine->addRow(QtText(cls.classText),
                       BuiltInIcon(QStringLiteral(":/pictures/refine_rows/class%1.bmp").arg(cls.classNumber)));
    Refine->setCurrentIndex(0);

    RefLevel = AddEditCombo(panel, {48, 247, 49, 24}, NumberItems(0, 9, "+"), "+0", StartItem::None);
    FinalRefine = AddEditCombo(panel, {208, 274, 49, 24}, NumberItems(1, 10, "+"), "+7", StartItem::Matching);
    for (EditCombo* level : {RefLevel, FinalRefine}) {
        level->setFont(LevelFont());
        SetListRowHeight(*level, 16);
    }

    for (int top : kCreamRowTops) AddBoxLabel(panel, {}, {272, top, 49, 24}, Detail());
    for (const RowLabel& row : kRowLabels) {
        QLabel* label = AddBoxLabel(panel, QString::fromUtf8(row.text), {row.left, row.top, row.width, row.height},
                                    row.look());
        if (row.member) this->*row.member = label;
    }

    material = new PictureBox(panel);
    material->setGeometry(512, 80, 24, 24);
    material->setPicture(BuiltInPicture(QStringLiteral(":/pictures/material_phracon.bmp")));

    PriceMaterial = AddPriceEdit(panel, {528, 128, 73, 24}, QStringLiteral("200"));
    PriceRefItem = AddPriceEdit(panel, {528, 152, 73, 24}, QStringLiteral("0"));

    // Controls made inside a page that is already on screen stay hidden
    // until they are shown.
    for (QWidget* control : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) control->show();
    setRefineKeyboardOrder();
    bindRefineHandlers();
    // Switching tabs moved the focus from the forging tab onto this page
    // while it was still empty; it belongs on the page's first control.
    if (panel->hasFocus()) Refine->setFocus();
}

}  // namespace trivelon::gui
