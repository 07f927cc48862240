// trivelon-cli catalogue: the item selector's rows with every entry's fields.
#include <QCommandLineParser>
#include <QJsonArray>

#include "catalogue/forge_catalogue.h"
#include "cli_common.h"
#include "core/rate_rules.h"

namespace trivelon::cli {

namespace {

const char* RuleName(RateRule rule) {
    switch (rule) {
        case RateRule::IronRule: return "IronRule";
        case RateRule::SteelRule: return "SteelRule";
        case RateRule::OrideconRule: return "OrideconRule";
        case RateRule::EluniumRule: return "EluniumRule";
        case RateRule::StoneRule: return "StoneRule";
        case RateRule::FixedRule: return "FixedRule";
        case RateRule::WeaponRule: return "WeaponRule";
    }
    return "";
}

QJsonObject EntryJson(const ForgeRules& rules, const ForgeRecipe& e) {
    QJsonArray materials;
    for (const MaterialSlot& m : e.materials)
        if (m.used())
            materials.append(QJsonObject{{"name", QtText(m.name)},
                                         {"picture", QtText(m.picture)},
                                         {"quantity", m.quantity},
                                         {"preset_price", m.presetPrice}});
    const ForgeTool& tool = e.tool();
    const NamedValue* toolPrice = FindNamed(rules.toolPrices, tool.name);
    const std::optional<ForgeInput> skill = SkillInputOf(e);
    QJsonObject json{
        {"text", QtText(e.displayName)},
        {"separator", false},
        {"tool", QJsonObject{{"name", QtText(tool.name)},
                             {"picture", QtText(tool.picture)},
                             {"price", toolPrice ? toolPrice->value : 0}}},
        {"materials", materials},
        {"rate_rule", RuleName(e.rule)},
        // The skill the rate reads, by the forge option that sets it.
        {"skill_option", skill ? QtText(FieldOf(*skill).option) : QString()},
    };
    AddItemFields(e, json);
    return json;
}

}  // namespace

int RunCatalogue(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString("Lists the item selector's %1 rows in order: separators and entries.")
                                         .arg(ForgeCatalogue::SelectorRows().size()));
    if (auto exit = ParseArguments(parser, {}, arguments)) return *exit;
    if (!parser.positionalArguments().isEmpty()) return UsageError("catalogue takes no arguments besides options");
    const std::optional<Rules> rules = RulesArgument(parser);
    if (!rules) return kUsageError;
    QJsonArray rows;
    for (const SelectorRow& row : ForgeCatalogue::SelectorRows())
        rows.append(row.recipe ? EntryJson(rules->forge, *row.recipe)
                               : QJsonObject{{"text", QtText(row.text)}, {"separator", true}});
    return PrintJson({{"rows", rows}}, kResult);
}

}  // namespace trivelon::cli
