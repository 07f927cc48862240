// The forging tab of the main window: every control at its place with its
// font, list items and default.
#include <QImage>

#include "catalogue/forge_catalogue.h"
#include "core/forge_request.h"
#include "gui/built_in_icon.h"
#include "gui/control_factory.h"
#include "gui/known_format_image.h"
#include "gui/main_window.h"
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
    EditCombo* MainWindow::*member;
    const char* name;
    QRect place;
    QStringList items;
    QString text;
    StartItem start;
};

struct StarCrumbSpec {
    int boxLeft;
    const char* hint;
};

constexpr StarCrumbSpec kStarCrumbs[] = {
    {24, "VeryStrong (VS)"},
    {120, "Very Very Strong (VVS)"},
    {216, "Very Very Very Strong (VVVS)"},
};
constexpr int kStarCrumbTop = 304;
// Each picture sits just right of its box's 10-pixel tick mark.
constexpr int kStarCrumbPictureOffset = 16;
constexpr int kStarCrumbPictureTop = 296;
// The item selector's list shows this many rows and scrolls the rest.
constexpr int kItemListRows = 20;

}  // namespace

void MainWindow::buildForgeTab() {
    auto* panel = new TabPanel(BuiltInPicture(QStringLiteral(":/pictures/wallpaper_forge.bmp")));
    panel->setBackground(QColor(255, 251, 240));
    panel->resize(680, 418);
    tabs->addTab(panel, QStringLiteral("Ковка"));

    for (const CaptionSpec& caption : kForgeCaptions)
        AddCaption(panel, QString::fromUtf8(caption.text), {caption.left, caption.top},
                   PixelFont(QString::fromUtf8(caption.family), kCaptionPixels, caption.bold));

    const QStringList smithLevels = NumberItems(1, 3);
    const QStringList oneToFive = NumberItems(1, 5);
    // clang-format off
    const ComboSpec combos[] = {
        {&MainWindow::baseLevel, "baseLevel", {440, 8, 65, 21}, NumberItems(1, 99), "71", StartItem::Matching},
        {&MainWindow::jobLevel, "jobLevel", {608, 8, 65, 21}, NumberItems(1, 50), "42", StartItem::Matching},
        {&MainWindow::dex, "dex", {440, 48, 65, 21}, NumberItems(1, 170), "117", StartItem::Matching},
        {&MainWindow::luk, "luk", {608, 48, 65, 21}, NumberItems(1, 200), "90", StartItem::Matching},
        {&MainWindow::smithDagger, "smithDagger", {440, 112, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::smithSword, "smithSword", {440, 144, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::smith2HSword, "smith2HSword", {440, 176, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::smithAxe, "smithAxe", {440, 208, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::smithMace, "smithMace", {440, 240, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::smithKnucklebrace, "smithKnucklebrace", {440, 272, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::smithSpear, "smithSpear", {440, 304, 40, 21}, smithLevels, "3", StartItem::Matching},
        {&MainWindow::weaponryResearch, "weaponryResearch", {632, 112, 40, 21}, NumberItems(0, 10), "10", StartItem::None},
        {&MainWindow::orideconResearch, "orideconResearch", {632, 144, 40, 21}, oneToFive, "5", StartItem::Matching},
        {&MainWindow::ironTempering, "ironTempering", {632, 176, 40, 21}, oneToFive, "1", StartItem::Matching},
        {&MainWindow::steelTempering, "steelTempering", {632, 208, 40, 21}, oneToFive, "1", StartItem::Matching},
        {&MainWindow::enchantedStoneCraft, "enchantedStoneCraft", {632, 240, 40, 21}, oneToFive, "5", StartItem::Matching},
        {&MainWindow::anvil, "anvil",
         {496, 304, 180, 21},
         {"None", "Iron Anvil", "Oridecon Anvil", "Golden Anvil", "Emperium Anvil"},
         "Emperium Anvil",
         StartItem::None},
        {&MainWindow::element, "element",
         {176, 247, 121, 24},
         {QtText(kNoElement), "Fire", "Ice", "Wind", "Earth"},
         QtText(kNoElement),
         StartItem::Matching},
    };
    // clang-format on
    for (const ComboSpec& spec : combos) {
        this->*spec.member = AddEditCombo(panel, spec.place, spec.items, spec.text, spec.start);
        (this->*spec.member)->setObjectName(QLatin1String(spec.name));
    }
    element->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));
    SetListRowHeight(*element, 16);

    characterPicture = new PictureBox(panel);
    characterPicture->setObjectName(QStringLiteral("characterPicture"));
    characterPicture->setGeometry(96, 72, 125, 125);
    characterPicture->setTransparent(true);
    characterPicture->setPicture(BuiltInPicture(QStringLiteral(":/pictures/character.bmp")));

    itemSelector = new ImageCombo(panel);
    itemSelector->setObjectName(QStringLiteral("itemSelector"));
    itemSelector->setGeometry(16, 248, 153, 23);
    SetListWidth(*itemSelector, 153);
    itemSelector->setMaxVisibleItems(kItemListRows);
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) {
        const QString text = QtText(row.text);
        if (row.recipe)
            itemSelector->addRow(
                text, BuiltInIcon(QStringLiteral(":/pictures/rows/%1.bmp").arg(QtText(PictureKey(row.text)))));
        else
            itemSelector->addRow(text);
    }
    itemSelector->setCurrentIndex(0);

    const QImage starCrumb = BuiltInPicture(QStringLiteral(":/pictures/starcrumb.gif"));
    for (std::size_t i = 0; i < starCrumbs.size(); ++i) {
        const StarCrumbSpec& spec = kStarCrumbs[i];
        auto* picture = new PictureBox(panel);
        picture->setGeometry(spec.boxLeft + kStarCrumbPictureOffset, kStarCrumbPictureTop, 25, 25);
        picture->setPicture(starCrumb);
        auto* box = new PictureCheck(panel);
        box->setObjectName(QStringLiteral("starCrumb%1").arg(i + 1));
        box->move(spec.boxLeft, kStarCrumbTop);
        box->setToolTip(QString::fromUtf8(spec.hint));
        starCrumbs[i] = box;
    }

    forgeButton = new QPushButton(QStringLiteral("Считаем..."), panel);
    forgeButton->setObjectName(QStringLiteral("forgeButton"));
    forgeButton->setGeometry(336, 384, 75, 25);
}

}  // namespace trivelon::gui
