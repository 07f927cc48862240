// trivelon-cli forge: one forge request from the texts a user would type into
// the main window, then optionally prices typed into its result window.
#include <QCommandLineParser>
#include <QDir>
#include <QJsonArray>
#include <map>
#include <optional>

#include "cli_common.h"
#include "core/forge_quote.h"
#include "core/forge_request.h"
#include "core/numbers.h"
#include "core/price_book.h"
#include "core/recipe.h"
#include "language/language.h"
#include "qt_text/translated.h"
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

QJsonObject ResultJson(const ForgeRequestOutcome& outcome, const ForgeQuote& quote) {
    const ForgeState& s = outcome.state;
    QJsonObject json{
        {"caption", QtText(outcome.caption)},
        {"title", QtText(s.itemName)},
        {"rate", s.rate},
        {"rate_text", QtText(DecimalText(s.shownRate, '.'))},
        {"recipe", RecipeJson(RecipeOf(s))},
        {"cost", MoneyJson(quote.cost())},
    };
    AddItemFields(s, json);
    return json;
}

// The names an input with a list picks from: "None, Iron Anvil, ...".
QString ChoicesOf(const ForgeInputField& field) {
    QStringList choices;
    for (std::string_view choice : field.choices) choices << QtText(choice);
    return choices.join(", ");
}

// The option that sets an input: "--anvil", with the names to pick from and
// the default in its description.
QCommandLineOption InputOption(const ForgeInputField& field) {
    QString description = QtText(field.description);
    if (!field.choices.empty()) description += " (" + ChoicesOf(field) + ")";
    description += " (default \"" + QtText(field.defaultText) + "\")";
    return {QtText(field.option), description, "text", QtText(field.defaultText)};
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
    options.append({"star-crumbs",
                    QString("star crumbs added, 0 to %1: ticks boxes 1 to N (default 0)").arg(kMostStarCrumbs), "N",
                    "0"});
    for (const PriceOption& option : kPriceOptions) options.append({option.name, option.description, "text"});
    options.append({"saved-prices", "type the prices the desktop program remembers (its price book, in " +
                                        QDir::toNativeSeparators(SettingsStore::DefaultPath()) +
                                        ") into the price edits that no price option fills"});
    options.append(BudgetOption());
    if (auto exit = ParseArguments(parser, options, arguments)) return *exit;
    if (parser.positionalArguments().size() != 1) return UsageError("forge takes exactly one ITEM");

    ForgeInputTexts source;
    source.text(ForgeInput::Item) = CoreText(parser.positionalArguments()[0]);
    for (const ForgeInputField& field : ForgeInputFields())
        if (!field.option.empty()) source.text(field.input) = CoreText(parser.value(QtText(field.option)));
    // A name of the element list in either language.
    source.text(ForgeInput::Element) =
        SourceName("Fields", FieldOf(ForgeInput::Element).choices, QtText(source.text(ForgeInput::Element)));
    const auto crumbs = TryParseInt(CoreText(parser.value("star-crumbs")));
    if (!crumbs || *crumbs < 0 || *crumbs > kMostStarCrumbs)
        return UsageError(QString("--star-crumbs takes a number from 0 to %1").arg(kMostStarCrumbs));
    source.starCrumbs = *crumbs;
    for (const auto& [input, named] :
         {std::pair{ForgeInput::Element, &ElementNamed}, std::pair{ForgeInput::Anvil, &AnvilNamed}})
        if (!named(source.text(input)))
            return UsageError("--" + QtText(FieldOf(input).option) + " takes one of " + ChoicesOf(FieldOf(input)) +
                              " in any case, not \"" + QtText(source.text(input)) + "\"");

    const std::optional<Rules> rules = RulesArgument(parser);
    if (!rules) return kUsageError;
    const ForgeRequestOutcome outcome = RunForgeRequest(rules->forge, source);
    switch (outcome.stage) {
        case ForgeStage::InvalidCharacter:
        case ForgeStage::InvalidSkillOrItem: return PrintError(*outcome.error);
        case ForgeStage::CategoryHeader:
            return PrintJson({{"warning", Sentence(kChooseItemWarning)}}, kSeparatorWarning);
        case ForgeStage::Filled: break;
    }

    ForgeQuote quote(outcome.state);
    QJsonObject result = ResultJson(outcome, quote);
    const Recipe recipe = RecipeOf(outcome.state);
    bool pricesGiven = false;
    const std::optional<PriceBook> book = parser.isSet("saved-prices") ? std::optional(SavedPrices()) : std::nullopt;
    for (const PriceOption& option : kPriceOptions) {
        const std::optional<std::string> typed = TypedPrice(parser, option, recipe, book);
        if (!typed) continue;
        pricesGiven = true;
        if (!recipe[IndexOf(option.row)].used)
            return UsageError(QString("--") + option.name + ": the result window has no such price for this item");
        // Without a locale of its own the command line knows no group
        // separator besides the spaces and the apostrophe.
        quote.typePrice(option.row, *typed, {});
        if (quote.countedAsZero(option.row))
            return UsageError(QString("--") + option.name +
                              " takes a sum of Zeny such as 1500, \"1 500\" or 12к, not \"" + QtText(*typed) + "\"");
    }
    if (pricesGiven) result["cost_after_prices"] = MoneyJson(quote.cost());

    // A weapon's budget at the prices typed into its window; none for a resource.
    result["budget"] = QJsonValue();
    const std::optional<ForgeAttempt> attempt = quote.attempt();
    if (!quote.resource()) {
        if (!attempt || !quote.budget()) return PrintError(kOutOfRangeMessage);
        result["budget"] = BudgetJson(*quote.budget());
    }
    const auto chanceWithin = [&](std::int64_t money) { return quote.chanceWithinInTenths(money); };
    if (auto exit = AddChanceWithinBudget(parser, chanceWithin, result)) return *exit;
    return PrintJson(result, kResult);
}

}  // namespace trivelon::cli
