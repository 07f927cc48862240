// The forging tab of the main window: every control at its place with its
// font, list items and default.
#include <QImage>

#include "catalogue/forge_catalogue.h"
#include "core/forge_request.h"
#include "gui/built_in_icon.h"
#include "gui/calc.h"
#include "gui/control_factory.h"
#include "gui/known_format_image.h"
#include "gui/tab_panel.h"
#include "qt_text/qt_text.h"

namespace trivelon::gui {
namespace {

struct CaptionSpec {
    const char* text;
    int left, top;
    const char* family;
    bool bold;
};

constexpr const char* kArial = "Arial";
constexpr const char* kNarrow = "Arial Narrow";
constexpr const char* kVerdana = "Verdana";
constexpr int kCaptionPixels = 16;

constexpr CaptionSpec kForgeCaptions[] = {
    {"Base Lvl", 376, 8, kArial, false},
    {"Job Lvl", 552, 8, kArial, false},
    {"Dex", 408, 48, kArial, false},
    {"Luk", 576, 48, kArial, false},
    {"Умения:", 464, 80, kVerdana, true},
    {"Smith Dagger", 320, 112, kNarrow, false},
    {"Smith Sword", 320, 144, kNarrow, false},
    {"Smith 2H Sword", 320, 176, kNarrow, false},
    {"Smith Axe", 320, 208, kNarrow, false},
    {"Smith Mace", 320, 240, kNarrow, false},
    {"Smith Knucklebrace", 320, 272, kNarrow, false},
    {"Smith Spear", 320, 304, kNarrow, false},
    {"Weaponry Research", 496, 112, kNarrow, false},
    {"Oridecon Research", 496, 144, kNarrow, false},
    {"Iron Tempering", 496, 176, kNarrow, false},
    {"Steel Tempering", 496, 208, kNarrow, false},
    {"Enchanted Stone Craft", 496, 240, kNarrow, false},
    {"Наковальня", 544, 272, kNarrow, false},
    {"Что куем?", 112, 216, kVerdana, true},
};

struct ComboSpec {
    EditCombo* TForm1::*member;
    QRect place;
    QStringList items;
    QString text;
    StartItem start;
};

struct StarCrumbSpec {
    PictureCheck* TForm1::*member;
    int boxLeft;
    const char* hint;
};

constexpr StarCrumbSpec kStarCrumbs[] = {
    {&TForm1::SCrumb1, 24, "VeryStrong (VS)"},
    {&TForm1::SCrumb2, 120, "Very Very Strong (VVS)"},
    {&TForm1::SCrumb3, 216, "Very Very Very Strong (VVVS)"},
};
constexpr int kStarCrumbTop = 304;
// Each picture sits just right of its box's 10-pixel tick mark.
constexpr int kStarCrumbPictureOffset = 16;
constexpr int kStarCrumbPictureTop = 296;
// The item selector's list shows this many rows and scrolls the rest.
constexpr int kItemListRows = 20;

}  // namespace

void TForm1::buildForgeTab() {
    auto* panel = new TabPanel(BuiltInPicture(QStringLiteral(":/pictures/wallpaper_forge.bmp")));
    panel->setBackground(QColor(255, 251, 240));
    panel->resize(680, 418);
    Page1->addTab(panel, QStringLiteral("Ковка"));

    for (const CaptionSpec& caption : kForgeCaptions)
        AddCaption(panel, QString::fromUtf8(caption.text), {caption.left, caption.top},
                   PixelFont(QString::fromUtf8(caption.family), kCaptionPixels, caption.bold));

    const QStringList smithLevels = NumberItems(1, 3);
    const QStringList oneToFive = NumberItems(1, 5);
    const ComboSpec combos[] = {
        {&TForm1::Base, {440, 8, 65, 21}, NumberItems(1, 99), "71", StartItem::Matching},
        {&TForm1::Job, {608, 8, 65, 21}, NumberItems(1, 50), "42", StartItem::Matching},
        {&TForm1::Dex, {440, 48, 65, 21}, NumberItems(1, 170), "117", StartItem::Matching},
        {&TForm1::Luk, {608, 48, 65, 21}, NumberItems(1, 200), "90", StartItem::Matching},
        {&TForm1::SmDagger, {440, 112, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::SmSword, {440, 144, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::Sm2HSword, {440, 176, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::SmAxe, {440, 208, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::SmMace, {440, 240, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::SmKn, {440, 272, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::SmSpear, {440, 304, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&TForm1::WR, {632, 112, 40, 21}, NumberItems(0, 10), "10", StartItem::None},
        {&TForm1::Ori, {632, 144, 40, 21}, oneToFive, "5", StartItem::Matching},
        {&TForm1::Iron, {632, 176, 40, 21}, oneToFive, "1", StartItem::Matching},
        {&TForm1::Steel, {632, 208, 40, 21}, oneToFive, "1", StartItem::Matching},
        {&TForm1::Stone, {632, 240, 40, 21}, oneToFive, "5", StartItem::Matching},
        {&TForm1::Anvil,
         {496, 304, 180, 21},
         {"None", "Iron Anvil", "Oridecon Anvil", "Golden Anvil", "Emperium Anvil"},
         "Emperium Anvil",
         StartItem::None},
        {&TForm1::Elt,
         {176, 247, 121, 24},
         {QtText(kNoElement), "Fire", "Ice", "Wind", "Earth"},
         QtText(kNoElement),
         StartItem::Matching},
    };
    for (const ComboSpec& spec : combos)
        this->*spec.member = AddEditCombo(panel, spec.place, spec.items, spec.text, spec.start);
    Elt->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));
    SetListRowHeight(*Elt, 16);

    BS = new PictureBox(panel);
    BS->setGeometry(96, 72, 125, 125);
    BS->setTransparent(true);
    BS->setPicture(BuiltInPicture(QStringLiteral(":/pictures/character.bmp")));

    Weapon = new ImageCombo(panel);
    Weapon->setGeometry(16, 248, 153, 23);
    SetListWidth(*Weapon, 153);
    Weapon->setMaxVisibleItems(kItemListRows);
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) {
        const QString text = QtText(row.text);
        if (row.recipe)
            Weapon->addRow(text, BuiltInIcon(QStringLiteral(":/pictures/rows/%1.bmp")
                                            .arg(QtText(PictureKey(row.text)))));
        else
            Weapon->addRow(text);
    }
    Weapon->setCurrentIndex(0);

    const QImage starCrumb = BuiltInPicture(QStringLiteral(":/pictures/starcrumb.gif"));
    for (const StarCrumbSpec& spec : kStarCrumbs) {
        auto* picture = new PictureBox(panel);
        picture->setGeometry(spec.boxLeft + kStarCrumbPictureOffset, kStarCrumbPictureTop, 25, 25);
        picture->setPicture(starCrumb);
        auto* box = new PictureCheck(panel);
        box->move(spec.boxLeft, kStarCrumbTop);
        box->setToolTip(QString::fromUtf8(spec.hint));
        this->*spec.member = box;
    }

    Submit = new QPushButton(QStringLiteral("Считаем..."), panel);
    Submit->setGeometry(336, 384, 75, 25);
}

}  // namespace trivelon::gui
