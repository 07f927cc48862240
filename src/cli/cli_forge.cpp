// trivelon-cli forge: one forge request from the texts a user would type into
// the main window, then optionally prices typed into its result window.
#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <map>
#include <optional>

#include "cli_common.h"
#include "core/forge_cost.h"
#include "core/forge_request.h"
#include "core/numbers.h"
#include "core/price_book.h"
#include "core/recipe.h"
#include "settings/settings_store.h"

namespace trivelon::cli {

namespace {

// The result window's price edits, in the order the options are applied.
struct PriceOption {
    RecipeRowKind row;
    const char* name;
    const char* description;
};
const PriceOption kPriceOptions[] = {
    {RecipeRowKind::Material1, "price1", "unit price typed for material 1"},
    {RecipeRowKind::Material2, "price2", "unit price typed for material 2"},
    {RecipeRowKind::Material3, "price3", "unit price typed for material 3"},
    {RecipeRowKind::ElementStone, "element-price", "unit price typed for the element stone"},
    {RecipeRowKind::StarCrumbs, "crumb-price", "unit price typed for a star crumb"},
};

// The recipe rows by the names the output gives them, top to bottom.
constexpr const char* kRecipeRowNames[kRecipeRowCount] = {"tool",      "material1",     "material2",
                                                          "material3", "element_stone", "star_crumbs"};

class OptionTexts : public ForgeInputTexts {
public:
    std::map<ForgeInput, std::string> texts;
    int starCrumbs = 0;
    std::string text(ForgeInput input) const override { return texts.at(input); }
    bool starCrumbTicked(int box) const override { return box <= starCrumbs; }
};

// The six recipe rows; an unused row names the empty placeholder picture, a
// typed element without a stone has no picture (null).
QJsonArray RecipeJson(const Recipe& recipe) {
    QJsonArray rows;
    for (std::size_t i = 0; i < kRecipeRowCount; ++i) {
        const RecipeRow& row = recipe[i];
        rows.append(QJsonObject{
            {"row", kRecipeRowNames[i]},
            {"used", row.used},
            {"name", QtText(row.name)},
            {"picture", row.picture.empty() ? QJsonValue() : QJsonValue(QtText(row.picture))},
            {"quantity", row.quantity},
            {"price", row.price},
            {"price_editable", row.priceEditable},
        });
    }
    return rows;
}

QJsonObject ResultJson(const ForgeRequestOutcome& outcome) {
    const ForgeState& s = outcome.state;
    QJsonObject json{
        {"caption", QtText(outcome.caption)}, {"title", QtText(s.itemName)},       {"rate", s.rate},
        {"rate_text", QtText(s.rateText)},    {"recipe", RecipeJson(RecipeOf(s))}, {"cost", MoneyJson(s.cost)},
    };
    AddItemFields(s, json);
    return json;
}

// The option that sets an input: "--anvil", with the names to pick from and
// the default in its description.
QCommandLineOption InputOption(const ForgeInputField& field) {
    QString description = QtText(field.description);
    if (!field.choices.empty()) {
        QStringList choices;
        for (std::string_view choice : field.choices) choices << QtText(choice);
        description += " (" + choices.join(", ") + ")";
    }
    description += " (default \"" + QtText(field.defaultText) + "\")";
    return {QtText(field.option), description, "text", QtText(field.defaultText)};
}

// The sheet text of a price edit, or nullptr when the window hides that edit.
std::string* PriceEdit(ForgeCostSheet& sheet, const Recipe& recipe, RecipeRowKind row) {
    return recipe[IndexOf(row)].used ? &sheet.row(row).price : nullptr;
}

// The price book the desktop program keeps; empty, with a word on standard
// error, where it cannot be read. Only read: the command line writes no
// settings.
PriceBook SavedPrices() {
    PriceBook book;
    SettingsStore settings(SettingsStore::DefaultPath(), [](const QString& problem) {
        PrintProblem(problem + QStringLiteral("; no saved prices are used."));
    });
    settings.read(book);
    return book;
}

// The text typed into a row's price edit: the row's option, else with
// --saved-prices the book's price for the row's good; nothing for neither.
std::optional<std::string> TypedPrice(const QCommandLineParser& parser, const PriceOption& option, const Recipe& recipe,
                                      const std::optional<PriceBook>& book) {
    if (parser.isSet(option.name)) return CoreText(parser.value(option.name));
    const RecipeRow& row = recipe[IndexOf(option.row)];
    if (!book || !row.used || row.picture.empty()) return std::nullopt;
    return book->text(row.name);
}

}  // namespace

int RunForge(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Runs one forge request for ITEM, the display name as the item selector shows it (\"Knife\", "
        "\"Two-handed Sword\"), with the texts a user would type into the main window. Each option defaults to "
        "the main window's default. Price options are typed afterwards into the result window's price edits, in "
        "the order listed, each recalculating the window's cost (reported as cost_after_prices). A weapon's budget "
        "says how many attempts, and how much money, 50, 90 and 99 % certainty of success take at those prices. "
        "Nothing saved by the desktop program is read unless --saved-prices asks for its price book.");
    parser.addPositionalArgument("ITEM", QtText(FieldOf(ForgeInput::Item).description));
    QList<QCommandLineOption> options;
    for (const ForgeInputField& field : ForgeInputFields())
        if (!field.option.empty()) options.append(InputOption(field));
    options.append({"star-crumbs", "star crumbs added, 0 to 3: ticks boxes 1 to N (default 0)", "N", "0"});
    for (const PriceOption& option : kPriceOptions) options.append({option.name, option.description, "text"});
    options.append({"saved-prices", "type the prices the desktop program remembers (its price book, in " +
                                        QDir::toNativeSeparators(SettingsStore::DefaultPath()) +
                                        ") into the price edits that no price option fills"});
    options.append(BudgetOption());
    if (auto exit = ParseArguments(parser, options, arguments)) return *exit;
    if (parser.positionalArguments().size() != 1) return UsageError("forge takes exactly one ITEM");

    OptionTexts source;
    source.texts[ForgeInput::Item] = CoreText(parser.positionalArguments()[0]);
    for (const ForgeInputField& field : ForgeInputFields())
        if (!field.option.empty()) source.texts[field.input] = CoreText(parser.value(QtText(field.option)));
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
    ForgeCostSheet sheet = CostSheetOf(outcome.state);
    const Recipe recipe = RecipeOf(outcome.state);
    std::optional<std::int64_t> shownCost = outcome.state.cost;
    bool pricesGiven = false;
    const std::optional<PriceBook> book = parser.isSet("saved-prices") ? std::optional(SavedPrices()) : std::nullopt;
    for (const PriceOption& option : kPriceOptions) {
        const std::optional<std::string> typed = TypedPrice(parser, option, recipe, book);
        if (!typed) continue;
        pricesGiven = true;
        std::string* edit = PriceEdit(sheet, recipe, option.row);
        if (!edit)
            return UsageError(QString("--") + option.name + ": the result window has no such price for this item");
        if (*edit == *typed) continue;  // an unchanged text does not recalculate
        *edit = *typed;
        auto cost = RecalculateForgeCost(sheet, '.');
        if (!cost) return PrintError(cost.error());
        shownCost = *cost;
    }
    if (pricesGiven) result["cost_after_prices"] = MoneyJson(shownCost);

    // A weapon's budget at the prices typed into its window; none for a resource.
    auto terms = WeaponAttemptTerms(sheet, '.');
    if (!terms) return PrintError(terms.error());
    result["budget"] = QJsonValue();
    if (*terms) {
        auto budget = PlanBudget((*terms)->chance, (*terms)->price);
        if (!budget) return PrintError(budget.error());
        result["budget"] = BudgetJson(*budget);
    }
    const std::optional<TryChance> chance = *terms ? std::optional((*terms)->chance) : std::nullopt;
    const std::int64_t tryCost = *terms ? (*terms)->price : 0;
    if (auto exit = AddChanceWithinBudget(parser, chance, tryCost, result)) return *exit;
    return PrintJson(result, kResult);
}

}  // namespace trivelon::cli
