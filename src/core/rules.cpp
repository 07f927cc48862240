// Our server's rules: the constant data every calculation reads through a
// Rules value.
#include "rules.h"

#include "catalogue/translatable.h"

namespace trivelon {

namespace {

Rules MakeBuiltInRules() {
    Rules rules;
    rules.refine.researchPerLevel = 1;
    rules.refine.classes = {
        {TRIVELON_TEXT("Rules", "Оружие 1 уровня"), "Phracon", 200, 50, 7, {60, 40, 20}, 2, 3, false, "weapon-1"},
        {TRIVELON_TEXT("Rules", "Оружие 2 уровня"),
         "Emveretarcon",
         1000,
         200,
         6,
         {60, 40, 20, 20},
         3,
         5,
         false,
         "weapon-2"},
        {TRIVELON_TEXT("Rules", "Оружие 3 уровня"),
         "Oridecon",
         5000,
         5000,
         5,
         {60, 50, 20, 20, 20},
         5,
         8,
         false,
         "weapon-3"},
        {TRIVELON_TEXT("Rules", "Оружие 4 уровня"),
         "Oridecon",
         5000,
         20000,
         4,
         {60, 40, 40, 20, 20, 10},
         7,
         14,
         false,
         "weapon-4"},
        {TRIVELON_TEXT("Rules", "Одежда"), "Elunium", 60000, 2000, 4, {60, 40, 40, 20, 20, 10}, 0, 0, true, "armour"},
    };

    ForgeRules& forge = rules.forge;
    forge.iron = {false, 20, 10, 10, 500, 0, 4500};
    forge.steel = {false, 20, 10, 10, 500, 0, 3500};
    forge.oridecon = {true, 30, 20, 10, 500, 0, 1000};
    forge.elunium = {true, 30, 20, 10, 500, 1, 1000};
    forge.stone = {false, 20, 10, 10, 500, 0, 1500};
    forge.weapon = {false, 20, 10, 10, 500, 0, 4500};
    forge.researchPerLevel = 100;
    forge.perStarCrumb = 1500;
    forge.element = 2500;
    forge.anvils = {{"None", 0}, {"Iron Anvil", 0}, {"Oridecon Anvil", 3}, {"Golden Anvil", 5}, {"Emperium Anvil", 10}};
    forge.toolPrices = {
        {"Mini Furnace", 150}, {"Iron Hammer", 1000}, {"Golden Hammer", 3000}, {"Oridecon Hammer", 5000}};
    forge.stonePrices = {
        {"Flame Heart", 30000}, {"Great Nature", 4000}, {"Rough Wind", 65000}, {"Mystic Frozen", 20000}};
    forge.starCrumbPrice = 15000;
    return rules;
}

}  // namespace

const Rules& BuiltInRules() {
    static const Rules rules = MakeBuiltInRules();
    return rules;
}

const NamedValue* FindNamed(const std::vector<NamedValue>& values, std::string_view name) {
    for (const NamedValue& value : values)
        if (value.name == name) return &value;
    return nullptr;
}

}  // namespace trivelon
