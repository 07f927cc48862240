#pragma once
// The rules of a server, as one value: everything a server may set
// differently in refining (the classes, their chances, fees, safe levels and
// bonuses, what Weaponry Research adds) and in forging (the weights of each
// success-rate rule, the parts of Weaponry Research, star crumbs and the
// element, the anvils' bonuses and the prices of tools, stones and star
// crumbs). The recipes and the catalogue of items are the game's, not a
// server's. The built-in rules are those of our server.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trivelon {

// The highest level any rule set may refine to, and the most steps above
// the safe level a class may have: with each step at 1 % or more, a whole
// refine succeeds with at least 10^-16, so that its chance is held exactly as
// a whole number over 100 per step, and the items and materials per success
// in tenths, within 64 bits.
inline constexpr std::int32_t kMostRefineLevel = 20;
inline constexpr std::size_t kMostRiskySteps = 8;
// The most refine classes a rule set may have.
inline constexpr std::size_t kMostRefineClasses = 20;

struct RefineClassRule {
    std::string name;  // as the class list shows it: "Оружие 4 уровня"
    std::string material;
    std::int64_t materialPrice = 0;  // the price a material starts at
    std::int32_t fee = 0;            // Zeny for each level tried, paid with its material
    std::int32_t safeLevel = 0;
    // The chance in percent of each step above the safe level, from the step
    // to +(safeLevel + 1) on; the last reaches the highest level.
    std::vector<std::int32_t> chances;
    std::int32_t atkPerLevel = 0;     // 0 for armour
    std::int32_t spreadPerLevel = 0;  // 0 for armour
    bool armour = false;
    // How the settings and the command line name it, the same in every
    // language: "weapon-4"; a server's file may leave it out.
    std::string id = {};

    bool operator==(const RefineClassRule&) const = default;
    // The id, or the name where there is none.
    std::string_view key() const { return id.empty() ? std::string_view(name) : std::string_view(id); }
    std::int32_t highestLevel() const { return safeLevel + static_cast<std::int32_t>(chances.size()); }
    // The chance in percent of the step to +level, above the safe level.
    std::int32_t chanceTo(std::int32_t level) const { return chances[static_cast<std::size_t>(level - safeLevel - 1)]; }
};

struct RefineRules {
    // Percent added to each step above the safe level per level of Weaponry
    // Research.
    std::int32_t researchPerLevel = 1;
    // In the order of the class list; every class reaches the same highest
    // level.
    std::vector<RefineClassRule> classes;

    bool operator==(const RefineRules&) const = default;
    std::int32_t highestLevel() const { return classes.front().highestLevel(); }
};

// A success-rate rule's sum, in hundredths of a percent: the level (base or
// job) times its weight, Dex, Luk and the rule's skill level (less an offset)
// times theirs, and a constant.
struct RateWeights {
    bool baseLevel = false;  // the level term takes the base level, else the job level
    std::int32_t level = 0;
    std::int32_t dex = 0;
    std::int32_t luk = 0;
    std::int32_t skill = 0;
    std::int32_t skillOffset = 0;  // subtracted from the skill level before weighting
    std::int32_t constant = 0;

    bool operator==(const RateWeights&) const = default;
};

// A value a rule set gives for one of the game's named things: an anvil's
// bonus in percent, a tool's or a stone's price in Zeny.
struct NamedValue {
    std::string name;
    std::int32_t value = 0;

    bool operator==(const NamedValue&) const = default;
};

struct ForgeRules {
    RateWeights iron, steel, oridecon, elunium, stone, weapon;
    // A weapon's sum, in hundredths of a percent: added per level of
    // Weaponry Research, taken per star crumb and for an element.
    std::int32_t researchPerLevel = 0;
    std::int32_t perStarCrumb = 0;
    std::int32_t element = 0;
    // Percent added by each anvil, in the order of the anvil list.
    std::vector<NamedValue> anvils;
    // Prices in Zeny: each tool, each element stone, a star crumb.
    std::vector<NamedValue> toolPrices;
    std::vector<NamedValue> stonePrices;
    std::int32_t starCrumbPrice = 0;

    bool operator==(const ForgeRules&) const = default;
};

struct Rules {
    std::string name;  // empty for the built-in rules
    RefineRules refine;
    ForgeRules forge;

    bool operator==(const Rules&) const = default;
};

// Our server's rules, made once.
const Rules& BuiltInRules();

// The value given for the name, or none.
const NamedValue* FindNamed(const std::vector<NamedValue>& values, std::string_view name);

}  // namespace trivelon
