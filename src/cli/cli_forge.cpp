// trivelon-cli forge: one forge request from the texts a user would type into
// the main window, then optionally prices typed into its result window.
#include <QCommandLineParser>
#include <QJsonArray>
#include <map>
#include <optional>

#include "cli_common.h"
#include "core/forge_cost.h"
#include "core/forge_request.h"
#include "core/numbers.h"

namespace trivelon::cli {

namespace {

struct InputOption {
    ForgeInput input;
    const char* name;
    const char* defaultText;
    const char* description;
};

const InputOption kInputOptions[] = {
    {ForgeInput::BaseLevel, "base", "71", "base level"},
    {ForgeInput::JobLevel, "job", "42", "job level"},
    {ForgeInput::Dex, "dex", "117", "Dex"},
    {ForgeInput::Luk, "luk", "90", "Luk"},
    {ForgeInput::SmithDagger, "smith-dagger", "3", "Smith Dagger level"},
    {ForgeInput::SmithSword, "smith-sword", "3", "Smith Sword level"},
    {ForgeInput::Smith2HSword, "smith-2h-sword", "3", "Smith 2H Sword level"},
    {ForgeInput::SmithAxe, "smith-axe", "3", "Smith Axe level"},
    {ForgeInput::SmithMace, "smith-mace", "3", "Smith Mace level"},
    {ForgeInput::SmithKnucklebrace, "smith-knucklebrace", "3", "Smith Knucklebrace level"},
    {ForgeInput::SmithSpear, "smith-spear", "3", "Smith Spear level"},
    {ForgeInput::WeaponryResearch, "weaponry-research", "10", "Weaponry Research level"},
    {ForgeInput::OrideconResearch, "oridecon-research", "5", "Oridecon Research level"},
    {ForgeInput::IronTempering, "iron-tempering", "1", "Iron Tempering level"},
    {ForgeInput::SteelTempering, "steel-tempering", "1", "Steel Tempering level"},
    {ForgeInput::EnchantedStoneCraft, "enchanted-stone-craft", "5", "Enchanted Stone Craft level"},
    {ForgeInput::Anvil, "anvil", "Emperium Anvil", "anvil (None, Iron Anvil, Oridecon Anvil, Golden Anvil, Emperium Anvil)"},
    {ForgeInput::Element, "element", "Без элемента", "element (Без элемента, Fire, Ice, Wind, Earth)"},
};

// The result window's price edits, in the order the options are applied.
enum class PriceRow { Material1, Material2, Material3, Element, Crumbs };
struct PriceOption {
    PriceRow row;
    const char* name;
    const char* description;
};
const PriceOption kPriceOptions[] = {
    {PriceRow::Material1, "price1", "unit price typed for material 1"},
    {PriceRow::Material2, "price2", "unit price typed for material 2"},
    {PriceRow::Material3, "price3", "unit price typed for material 3"},
    {PriceRow::Element, "element-price", "unit price typed for the element stone"},
    {PriceRow::Crumbs, "crumb-price", "unit price typed for a star crumb"},
};

class OptionTexts : public ForgeInputTexts {
public:
    std::map<ForgeInput, std::string> texts;
    int starCrumbs = 0;
    std::string text(ForgeInput input) const override { return texts.at(input); }
    bool starCrumbTicked(int box) const override { return box <= starCrumbs; }
};

QJsonObject SlotJson(std::string_view name, std::string_view picture, std::int32_t quantity, std::int32_t price) {
    return {{"name", QtText(name)}, {"picture", QtText(picture)}, {"quantity", quantity}, {"price", price}};
}

QJsonObject ResultJson(const ForgeRequestOutcome& outcome) {
    const ForgeState& s = outcome.state;
    QJsonArray materials;
    for (const ForgeMaterial& m : s.materials)
        if (m.quantity > 0) materials.append(SlotJson(m.name, m.picture, m.quantity, m.price));
    QJsonValue crumbs;
    if (s.starCrumbCount > 0) crumbs = QJsonObject{{"quantity", s.starCrumbCount}, {"price", s.starCrumbPrice}};
    QJsonValue stone;
    if (s.elementStone)
        stone = SlotJson(s.elementStone->name, s.elementStone->picture, 1, s.elementStonePrice);
    else if (s.elementFlag > 0)  // a typed element that names no stone: the row shows the text, price 0
        stone = QJsonObject{{"name", QtText(s.elementName)}, {"picture", QJsonValue()}, {"quantity", 1}, {"price", 0}};
    return {
        {"caption", QtText(outcome.caption)},
        {"title", QtText(s.itemName)},
        {"rate", s.rate},
        {"rate_text", QtText(s.rateText)},
        {"type", QtText(s.typeText)},
        {"weapon_level", s.weaponLevel},
        {"atk", s.atk},
        {"range", s.range},
        {"weight", s.weight},
        {"base_level", s.requiredBaseLevel},
        {"big_picture", QtText(s.bigPicture)},
        {"tool", SlotJson(s.toolName, s.toolPicture, 1, s.toolPrice)},
        {"materials", materials},
        {"star_crumbs", crumbs},
        {"element_stone", stone},
        {"description", QtText(s.description)},
        {"equip", QtText(s.equip)},
        {"cost", s.cost},
    };
}

// The sheet text of a price edit, or nullptr when the window hides that edit.
std::string* PriceEdit(ForgeCostSheet& sheet, const ForgeState& state, PriceRow row) {
    switch (row) {
        case PriceRow::Material1: return &sheet.price[0];
        case PriceRow::Material2: return state.materials[1].quantity > 0 ? &sheet.price[1] : nullptr;
        case PriceRow::Material3: return state.materials[2].quantity > 0 ? &sheet.price[2] : nullptr;
        case PriceRow::Element: return state.elementFlag > 0 ? &sheet.elementPrice : nullptr;
        case PriceRow::Crumbs: return state.starCrumbCount > 0 ? &sheet.crumbPrice : nullptr;
    }
    return nullptr;
}

}  // namespace

int RunForge(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Runs one forge request for ITEM, the display name as the item selector shows it (\"Knife\", "
        "\"Two-handed Sword\"), with the texts a user would type into the main window. Each option defaults to "
        "the main window's default. Price options are typed afterwards into the result window's price edits, in "
        "the order listed, each recalculating the window's cost (reported as cost_after_prices).");
    parser.addPositionalArgument("ITEM", "display name of the item to forge");
    QList<QCommandLineOption> options;
    for (const InputOption& option : kInputOptions)
        options.append({option.name, QString(option.description) + " (default \"" + option.defaultText + "\")",
                        "text", option.defaultText});
    options.append({"star-crumbs", "star crumbs added, 0 to 3: ticks boxes 1 to N (default 0)", "N", "0"});
    for (const PriceOption& option : kPriceOptions) options.append({option.name, option.description, "text"});
    if (auto exit = ParseArguments(parser, options, arguments)) return *exit;
    if (parser.positionalArguments().size() != 1) return UsageError("forge takes exactly one ITEM");

    OptionTexts source;
    source.texts[ForgeInput::Item] = CoreText(parser.positionalArguments()[0]);
    for (const InputOption& option : kInputOptions) source.texts[option.input] = CoreText(parser.value(option.name));
    const auto crumbs = TryParseInt(CoreText(parser.value("star-crumbs")));
    if (!crumbs || *crumbs < 0 || *crumbs > 3) return UsageError("--star-crumbs takes a number from 0 to 3");
    source.starCrumbs = *crumbs;

    const ForgeRequestOutcome outcome = RunForgeRequest(source, '.');
    switch (outcome.stage) {
        case ForgeStage::InvalidCharacter:
        case ForgeStage::InvalidSkillOrItem: return PrintError(outcome.error);
        case ForgeStage::CategoryHeader: return PrintJson({{"warning", QtText(kChooseItemWarning)}}, kSeparatorWarning);
        case ForgeStage::Filled: break;
    }

    QJsonObject result = ResultJson(outcome);
    ForgeCostSheet sheet = SheetOfFilledWindow(outcome.state);
    std::int32_t shownCost = outcome.state.cost;
    bool pricesGiven = false;
    for (const PriceOption& option : kPriceOptions) {
        if (!parser.isSet(option.name)) continue;
        pricesGiven = true;
        std::string* edit = PriceEdit(sheet, outcome.state, option.row);
        if (!edit) return UsageError(QString("--") + option.name + ": the result window has no such price for this item");
        const std::string typed = CoreText(parser.value(option.name));
        if (*edit == typed) continue;  // an unchanged text does not recalculate
        *edit = typed;
        auto cost = RecalculateForgeCost(sheet, '.');
        if (!cost) return PrintError(cost.error());
        auto value = ParseStrictInt(*cost);
        if (!value) return PrintError(value.error());
        shownCost = *value;
    }
    if (pricesGiven) result["cost_after_prices"] = shownCost;
    return PrintJson(result, kResult);
}

}  // namespace trivelon::cli
