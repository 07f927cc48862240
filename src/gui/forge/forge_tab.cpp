// The forging tab: every control at its place with its font, list items and
// default; the character picture that follows the base level, the star crumb
// and element coupling, and the forge request.
#include "gui/forge/forge_tab.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QCoreApplication>
#include <QImage>

#include "catalogue/forge_catalogue.h"
#include "catalogue/forge_ranges.h"
#include "core/numbers.h"
#include "gui/forge/forge_result_window.h"
#include "gui/pictures/built_in_icon.h"
#include "gui/pictures/picture_loader.h"
#include "gui/widgets/control_factory.h"
#include "gui/widgets/decimal_separator.h"
#include "gui/widgets/input_marks.h"
#include "gui/widgets/known_format_image.h"
#include "language/language.h"
#include "qt_text/qt_text.h"
#include "qt_text/translated.h"

namespace trivelon::gui {
namespace {

// A caption, and the name of the control it names, if any. The captions are
// shown in the player's language, translated in the context "ForgeTab"; the
// skills' and the character's names are the game's and stay as they are.
struct CaptionSpec {
    const char* text;
    int left, top;
    const char* family;
    bool bold;
    const char* control;
};

constexpr const char* kArial = "Arial";
constexpr const char* kNarrow = "Arial Narrow";
constexpr const char* kVerdana = "Verdana";
constexpr int kCaptionPixels = 16;

constexpr CaptionSpec kForgeCaptions[] = {
    {"Base Lvl", 376, 8, kArial, false, "baseLevel"},
    {"Job Lvl", 552, 8, kArial, false, "jobLevel"},
    {"Dex", 408, 48, kArial, false, "dex"},
    {"Luk", 576, 48, kArial, false, "luk"},
    {QT_TRANSLATE_NOOP("ForgeTab", "Умения:"), 464, 80, kVerdana, true, nullptr},
    {"Smith Dagger", 320, 112, kNarrow, false, "smithDagger"},
    {"Smith Sword", 320, 144, kNarrow, false, "smithSword"},
    {"Smith 2H Sword", 320, 176, kNarrow, false, "smith2HSword"},
    {"Smith Axe", 320, 208, kNarrow, false, "smithAxe"},
    {"Smith Mace", 320, 240, kNarrow, false, "smithMace"},
    {"Smith Knucklebrace", 320, 272, kNarrow, false, "smithKnucklebrace"},
    {"Smith Spear", 320, 304, kNarrow, false, "smithSpear"},
    {"Weaponry Research", 496, 112, kNarrow, false, "weaponryResearch"},
    {"Oridecon Research", 496, 144, kNarrow, false, "orideconResearch"},
    {"Iron Tempering", 496, 176, kNarrow, false, "ironTempering"},
    {"Steel Tempering", 496, 208, kNarrow, false, "steelTempering"},
    {"Enchanted Stone Craft", 496, 240, kNarrow, false, "enchantedStoneCraft"},
    {QT_TRANSLATE_NOOP("ForgeTab", "Наковальня"), 544, 272, kNarrow, false, "anvil"},
    {QT_TRANSLATE_NOOP("ForgeTab", "Что куем?"), 112, 216, kVerdana, true, "itemSelector"},
};

// A combo box of the tab: its input (whose default text, list of numbers
// or, for the anvil and the element, names come from the forge inputs'
// table) and its place.
struct ComboSpec {
    EditCombo* ForgeTab::*member = nullptr;
    ForgeInput input = ForgeInput::Item;
    const char* name = nullptr;
    QRect place;
    StartItem start = StartItem::Matching;
};

// A name of a field's list as the field shows it: in the player's language
// ("Без элемента" has a translation, the game's names stay as they are).
QString ShownChoice(std::string_view name) { return Translated("Fields", name); }

// What the core reads from a field's text: a name of its list typed or
// picked in either language goes back to the name the core knows; any other
// text, a number among them, goes as it is.
std::string SourceText(const ForgeInputField& field, const QString& shown) {
    return SourceName("Fields", field.choices, shown);
}

// The field's text as shown for a text the core gives: one of its names in
// the player's language, anything else as it is.
QString ShownText(const ForgeInputField& field, std::string_view text) {
    const bool named = std::find(field.choices.begin(), field.choices.end(), text) != field.choices.end();
    return named ? ShownChoice(text) : QtText(text);
}

QStringList ListItems(const ComboSpec& spec) {
    const ForgeInputField& field = FieldOf(spec.input);
    if (field.choices.empty()) return NumberItems(field.range.first, field.range.last);
    QStringList names;
    for (std::string_view choice : field.choices) names << ShownChoice(choice);
    return names;
}

struct StarCrumbSpec {
    int boxLeft;
    const char* hint;
};

constexpr StarCrumbSpec kStarCrumbs[] = {
    {24, "VeryStrong (VS)"},
    {120, "Very Very Strong (VVS)"},
    {216, "Very Very Very Strong (VVVS)"},
};
static_assert(std::size(kStarCrumbs) == kMostStarCrumbs, "a box for each star crumb a weapon takes");
constexpr int kStarCrumbTop = 304;
// Each picture sits just right of its box's 10-pixel tick mark.
constexpr int kStarCrumbPictureOffset = 16;
constexpr int kStarCrumbPictureTop = 296;
// The item selector's list shows this many rows and scrolls the rest.
constexpr int kItemListRows = 20;

// The keys of the inputs in the settings: their command-line names, the item
// as "item".
QString SavedKey(const ForgeInputField& field) {
    return QStringLiteral("forge/") + (field.option.empty() ? QStringLiteral("item") : QtText(field.option));
}
const QString kStarCrumbsKey = QStringLiteral("forge/star-crumbs");

// Whether the field takes the text as typed without complaint: a whole
// number, or one of the names it is picked from. The item is checked by its
// list.
bool TakesAsTyped(const ForgeInputField& field, const QString& text) {
    const std::string typed = SourceText(field, text);
    if (field.choices.empty()) return TryParseInt(typed).has_value();
    return std::find(field.choices.begin(), field.choices.end(), typed) != field.choices.end();
}

}  // namespace

ForgeTab::ForgeTab(QTabWidget& tabs, ErrorReporter& reporter, PriceBook& book)
    : TabPanel(BuiltInPicture(QStringLiteral(":/pictures/wallpaper_forge.bmp"))), reporter_(reporter), book_(book) {
    setBackground(kCream);
    resize(680, 418);
    tabs.addTab(this, tr("Ковка"));
    buildControls();
    setKeyboardOrder();
    bindHandlers();
    // The keyboard starts in the first field, once the window is shown.
    baseLevel_->setFocus();
}

void ForgeTab::buildControls() {
    QWidget* panel = this;

    std::vector<std::pair<QLabel*, const char*>> captions;
    for (const CaptionSpec& caption : kForgeCaptions)
        captions.emplace_back(
            AddCaption(panel, QCoreApplication::translate("ForgeTab", caption.text), {caption.left, caption.top},
                       PixelFont(QString::fromUtf8(caption.family), kCaptionPixels, caption.bold)),
            caption.control);

    using enum ForgeInput;
    // clang-format off
    const ComboSpec combos[] = {
        {&ForgeTab::baseLevel_, BaseLevel, "baseLevel", {440, 8, 65, 21}},
        {&ForgeTab::jobLevel_, JobLevel, "jobLevel", {608, 8, 65, 21}},
        {&ForgeTab::dex_, Dex, "dex", {440, 48, 65, 21}},
        {&ForgeTab::luk_, Luk, "luk", {608, 48, 65, 21}},
        {&ForgeTab::smithDagger_, SmithDagger, "smithDagger", {440, 112, 40, 21}},
        {&ForgeTab::smithSword_, SmithSword, "smithSword", {440, 144, 40, 21}},
        {&ForgeTab::smith2HSword_, Smith2HSword, "smith2HSword", {440, 176, 40, 21}},
        {&ForgeTab::smithAxe_, SmithAxe, "smithAxe", {440, 208, 40, 21}},
        {&ForgeTab::smithMace_, SmithMace, "smithMace", {440, 240, 40, 21}},
        {&ForgeTab::smithKnucklebrace_, SmithKnucklebrace, "smithKnucklebrace", {440, 272, 40, 21}},
        {&ForgeTab::smithSpear_, SmithSpear, "smithSpear", {440, 304, 40, 21}},
        {&ForgeTab::weaponryResearch_, WeaponryResearch, "weaponryResearch", {632, 112, 40, 21}, StartItem::None},
        {&ForgeTab::orideconResearch_, OrideconResearch, "orideconResearch", {632, 144, 40, 21}},
        {&ForgeTab::ironTempering_, IronTempering, "ironTempering", {632, 176, 40, 21}},
        {&ForgeTab::steelTempering_, SteelTempering, "steelTempering", {632, 208, 40, 21}},
        {&ForgeTab::enchantedStoneCraft_, EnchantedStoneCraft, "enchantedStoneCraft", {632, 240, 40, 21}},
        {&ForgeTab::anvil_, Anvil, "anvil", {496, 304, 180, 21}, StartItem::None},
        {&ForgeTab::element_, Element, "element", {176, 247, 121, 24}},
    };
    // clang-format on
    for (const ComboSpec& spec : combos) {
        this->*spec.member = AddEditCombo(panel, spec.place, ListItems(spec),
                                          ShownText(FieldOf(spec.input), FieldOf(spec.input).defaultText), spec.start);
        (this->*spec.member)->setObjectName(QLatin1String(spec.name));
    }
    element_->setFont(PixelFont(QStringLiteral("MS Sans Serif"), 13));
    SetListRowHeight(*element_, 16);

    characterPicture_ = new PictureBox(panel);
    characterPicture_->setObjectName(QStringLiteral("characterPicture"));
    characterPicture_->setGeometry(96, 72, 125, 125);
    characterPicture_->setTransparent(true);
    characterPicture_->setPicture(BuiltInPicture(QStringLiteral(":/pictures/character.bmp")));

    itemSelector_ = new ImageCombo(panel);
    itemSelector_->setObjectName(QStringLiteral("itemSelector"));
    itemSelector_->setGeometry(16, 248, 153, 23);
    SetListWidth(*itemSelector_, 153);
    itemSelector_->setMaxVisibleItems(kItemListRows);
    // Each row keeps the text the core knows it by as its key: a category's
    // header is shown in the player's language, the game's items as they are.
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows()) {
        const QString key = QtText(row.text);
        if (row.recipe)
            itemSelector_->addRow(
                key, BuiltInIcon(QStringLiteral(":/pictures/rows/%1.bmp").arg(QtText(PictureKey(row.text)))));
        else
            itemSelector_->addRow(Translated("Catalogue", row.text), QIcon(), key);
    }
    itemSelector_->setCurrentIndex(0);

    const QImage starCrumb = BuiltInPicture(QStringLiteral(":/pictures/starcrumb.gif"));
    for (std::size_t i = 0; i < starCrumbs_.size(); ++i) {
        const StarCrumbSpec& spec = kStarCrumbs[i];
        auto* picture = new PictureBox(panel);
        picture->setGeometry(spec.boxLeft + kStarCrumbPictureOffset, kStarCrumbPictureTop, 25, 25);
        picture->setPicture(starCrumb);
        auto* box = new PictureCheck(panel);
        box->setObjectName(QStringLiteral("starCrumb%1").arg(i + 1));
        box->move(spec.boxLeft, kStarCrumbTop);
        box->setToolTip(QString::fromUtf8(spec.hint));
        box->setAccessibleName(box->toolTip());
        starCrumbs_[i] = box;
    }

    forgeButton_ = new QPushButton(tr("Считаем..."), panel);
    forgeButton_->setObjectName(QStringLiteral("forgeButton"));
    forgeButton_->setGeometry(336, 384, 75, 25);

    for (const auto& [caption, control] : captions)
        if (control) CaptionOf(*caption, *findChild<QWidget*>(QLatin1String(control)));
    // The element has no caption of its own: the item's stands above both.
    element_->setAccessibleName(Translated("Fields", FieldOf(ForgeInput::Element).name));
}

// As the tab is read: the character, the smith skills down their column and
// the others down theirs with the anvil under them, then what to forge, its
// element and star crumbs, and the button at the foot last.
void ForgeTab::setKeyboardOrder() {
    QWidget* const order[] = {baseLevel_,
                              jobLevel_,
                              dex_,
                              luk_,
                              smithDagger_,
                              smithSword_,
                              smith2HSword_,
                              smithAxe_,
                              smithMace_,
                              smithKnucklebrace_,
                              smithSpear_,
                              weaponryResearch_,
                              orideconResearch_,
                              ironTempering_,
                              steelTempering_,
                              enchantedStoneCraft_,
                              anvil_,
                              itemSelector_,
                              element_,
                              starCrumbs_[0],
                              starCrumbs_[1],
                              starCrumbs_[2],
                              forgeButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void ForgeTab::bindHandlers() {
    for (const ForgeInputField& field : ForgeInputFields()) {
        if (!field.choices.empty() || field.input == ForgeInput::Item) continue;
        EditCombo* box = editBox(field.input);
        connect(box, &EditCombo::changed, this, [this, box, &field] { checkWholeNumber(*box, field); });
    }
    connect(baseLevel_, &EditCombo::changed, this, &ForgeTab::updateCharacterPicture);
    connect(weaponryResearch_, &EditCombo::changed, this, [this] { emit weaponryResearchChanged(weaponryResearch()); });
    for (std::size_t box = 0; box < starCrumbs_.size(); ++box)
        connect(starCrumbs_[box], &PictureCheck::clicked, this, [this, box] { starCrumbClicked(box); });
    connect(element_, &EditCombo::changed, this, &ForgeTab::elementChanged);
    // An anvil outside the list is marked as an element outside its list is.
    connect(anvil_, &EditCombo::changed, this,
            [this] { MarkProblem(*anvil_, ProblemSentence(AnvilProblem(inputText(ForgeInput::Anvil)))); });
    connect(forgeButton_, &QPushButton::clicked, this, &ForgeTab::forge);
}

// A base level that is not a whole number leaves the picture as it is; the
// field says why.
void ForgeTab::updateCharacterPicture() {
    const std::optional<std::int32_t> level = TryParseInt(CoreText(baseLevel_->currentText()));
    if (!level) return;
    Guarded(reporter_, [this, level] {
        for (const CharacterPicture& picture : kCharacterPictures) {
            if (*level <= picture.aboveLevel) break;
            ThrowIfFailed(LoadPicture(*characterPicture_, QtText(picture.path)));
            emit characterPictureChanged();
        }
    });
}

void ForgeTab::checkWholeNumber(EditCombo& box, const ForgeInputField& field) {
    MarkProblem(box, ProblemSentence(WholeNumberProblem(field, CoreText(box.currentText()))));
}

std::optional<std::int32_t> ForgeTab::weaponryResearch() const {
    return TryParseInt(CoreText(weaponryResearch_->currentText()));
}

std::string ForgeTab::inputText(ForgeInput input) const {
    if (input == ForgeInput::Item) return CoreText(itemSelector_->currentKey());
    return SourceText(FieldOf(input), editBox(input)->currentText());
}

ForgeInputTexts ForgeTab::inputTexts() const {
    ForgeInputTexts texts;
    for (const ForgeInputField& field : ForgeInputFields()) texts.text(field.input) = inputText(field.input);
    // The ticked boxes always form a prefix: the last ticked one counts them.
    for (std::size_t box = 0; box < starCrumbs_.size(); ++box)
        if (starCrumbs_[box]->isChecked()) texts.starCrumbs = static_cast<std::int32_t>(box + 1);
    return texts;
}

// The ticked star crumb boxes always form a prefix: none, 1, 1-2 or 1-3.
// Ticking a box ticks those before it; unticking one unticks those after it.
// A third star crumb and an element_ exclude each other.
void ForgeTab::starCrumbClicked(std::size_t box) {
    if (starCrumbs_[box]->isChecked()) {
        if (box == starCrumbs_.size() - 1) element_->setTextSilently(ShownChoice(kNoElement));
        for (std::size_t before = 0; before < box; ++before) starCrumbs_[before]->setChecked(true);
    } else {
        for (std::size_t after = box + 1; after < starCrumbs_.size(); ++after) starCrumbs_[after]->setChecked(false);
    }
}

// An element outside the list is marked while typed, as a number that
// cannot be read is.
void ForgeTab::elementChanged() {
    MarkProblem(*element_, ProblemSentence(ElementProblem(inputText(ForgeInput::Element))));
    if (element_->currentText() != ShownChoice(kNoElement)) starCrumbs_.back()->setChecked(false);
}

// Only a filled request opens a window: a category header gives the
// warning alone, and an input that cannot be read one message naming it.
void ForgeTab::forge() {
    Guarded(reporter_, [this] {
        const ForgeRequestOutcome outcome = RunForgeRequest(rules_->forge, inputTexts());
        switch (outcome.stage) {
            case ForgeStage::CategoryHeader:
                reporter_.warning(QStringLiteral("Warning"), Sentence(kChooseItemWarning));
                return;
            case ForgeStage::InvalidCharacter:
            case ForgeStage::InvalidSkillOrItem: throw HandlerError{Sentence(*outcome.error)};
            case ForgeStage::Filled: break;
        }
        // Owned by the main window: one task bar button for the program.
        auto* window = new ForgeResultWindow(reporter_, book_, this->window());
        window->setWindowTitle(QtText(outcome.caption));
        window->show();
        emit resultWindowOpened(window);
        window->fill(outcome.state);
    });
}

EditCombo* ForgeTab::editBox(ForgeInput input) const {
    switch (input) {
        case ForgeInput::BaseLevel: return baseLevel_;
        case ForgeInput::Dex: return dex_;
        case ForgeInput::Luk: return luk_;
        case ForgeInput::JobLevel: return jobLevel_;
        case ForgeInput::Item: return nullptr;
        case ForgeInput::IronTempering: return ironTempering_;
        case ForgeInput::SteelTempering: return steelTempering_;
        case ForgeInput::OrideconResearch: return orideconResearch_;
        case ForgeInput::EnchantedStoneCraft: return enchantedStoneCraft_;
        case ForgeInput::SmithDagger: return smithDagger_;
        case ForgeInput::SmithSword: return smithSword_;
        case ForgeInput::Smith2HSword: return smith2HSword_;
        case ForgeInput::SmithAxe: return smithAxe_;
        case ForgeInput::SmithMace: return smithMace_;
        case ForgeInput::SmithKnucklebrace: return smithKnucklebrace_;
        case ForgeInput::SmithSpear: return smithSpear_;
        case ForgeInput::WeaponryResearch: return weaponryResearch_;
        case ForgeInput::Element: return element_;
        case ForgeInput::Anvil: return anvil_;
    }
    return nullptr;
}

// A name picked from a list is kept by its id, and the item by the name
// the core knows it by, the same in every language.
SavedTexts ForgeTab::savedTexts() const {
    SavedTexts saved;
    for (const ForgeInputField& field : ForgeInputFields()) {
        QString text;
        if (field.input == ForgeInput::Item) {
            text = itemSelector_->currentKey();
        } else if (field.choices.empty()) {
            text = editBox(field.input)->currentText();
        } else {
            const std::string name = inputText(field.input);
            text = QtText(ChoiceId(field, name));
        }
        saved.insert(SavedKey(field), text);
    }
    saved.insert(kStarCrumbsKey,
                 QString::number(std::count_if(starCrumbs_.begin(), starCrumbs_.end(),
                                               [](const PictureCheck* box) { return box->isChecked(); })));
    return saved;
}

// A name picked from a list comes back from its id, or from its name as an
// earlier version kept it.
void ForgeTab::restore(const SavedTexts& saved) {
    for (const ForgeInputField& field : ForgeInputFields()) {
        const auto found = saved.find(SavedKey(field));
        if (field.input == ForgeInput::Item || found == saved.end()) continue;
        const QString text = field.choices.empty() ? *found : ShownText(field, ChoiceNamed(field, CoreText(*found)));
        if (!TakesAsTyped(field, text)) continue;
        EditCombo& box = *editBox(field.input);
        if (box.currentText() != text) box.setTextAsTyped(text);
    }
    // Clicking the last box ticks those before it, as the tab keeps them.
    const std::optional<std::int32_t> crumbs = TryParseInt(CoreText(saved.value(kStarCrumbsKey)));
    if (crumbs && *crumbs >= 1 && *crumbs <= static_cast<std::int32_t>(starCrumbs_.size()))
        starCrumbs_[static_cast<std::size_t>(*crumbs - 1)]->click();
    const auto item = saved.find(SavedKey(FieldOf(ForgeInput::Item)));
    if (item != saved.end() && *item != itemSelector_->currentKey()) itemSelector_->pickKey(*item);
}

}  // namespace trivelon::gui
