// The success-rate rules. Sums are formed in 64 bits (no typed value can
// overflow them) and divided in extended precision, then held as a double,
// exactly as the 32-bit sums would be within the offered ranges.
#include "rate_rules.h"

#include "extended.h"

namespace trivelon {

namespace {

const RateWeights& WeightsOf(const ForgeRules& rules, RateRule rule) {
    switch (rule) {
        case RateRule::IronRule: return rules.iron;
        case RateRule::SteelRule: return rules.steel;
        case RateRule::OrideconRule: return rules.oridecon;
        case RateRule::EluniumRule: return rules.elunium;
        case RateRule::StoneRule: return rules.stone;
        case RateRule::WeaponRule:
        case RateRule::FixedRule: break;
    }
    return rules.weapon;
}

std::int32_t SkillLevelOf(RateRule rule, const ForgeInputs& in, const WeaponRateArgs& weapon) {
    switch (rule) {
        case RateRule::IronRule: return in.ironTempering;
        case RateRule::SteelRule: return in.steelTempering;
        case RateRule::OrideconRule:
        case RateRule::EluniumRule: return in.orideconResearch;
        case RateRule::StoneRule: return in.enchantedStoneCraft;
        case RateRule::WeaponRule: return weapon.smithSkill;
        case RateRule::FixedRule: break;
    }
    return 0;
}

// The smith skill of a category's weapons; resources have none, their rule
// names their skill.
std::optional<ForgeInput> SmithSkillOf(ForgeCategory category) {
    switch (category) {
        case ForgeCategory::Knives: return ForgeInput::SmithDagger;
        case ForgeCategory::OneHandedSwords: return ForgeInput::SmithSword;
        case ForgeCategory::TwoHandedSwords: return ForgeInput::Smith2HSword;
        case ForgeCategory::Axes: return ForgeInput::SmithAxe;
        case ForgeCategory::Maces: return ForgeInput::SmithMace;
        case ForgeCategory::Knuckles: return ForgeInput::SmithKnucklebrace;
        case ForgeCategory::Spears: return ForgeInput::SmithSpear;
        case ForgeCategory::Resources: break;
    }
    return std::nullopt;
}

// The sum in extended precision, then held as a double again.
double AddToRate(double rate, const Extended& amount) { return (Extended(rate) + amount).convertTo<double>(); }

}  // namespace

std::optional<ForgeInput> SkillInputOf(const ForgeRecipe& entry) {
    switch (entry.rule) {
        case RateRule::IronRule: return ForgeInput::IronTempering;
        case RateRule::SteelRule: return ForgeInput::SteelTempering;
        case RateRule::OrideconRule:
        case RateRule::EluniumRule: return ForgeInput::OrideconResearch;
        case RateRule::StoneRule: return ForgeInput::EnchantedStoneCraft;
        case RateRule::WeaponRule: return SmithSkillOf(entry.category);
        case RateRule::FixedRule: break;
    }
    return std::nullopt;
}

std::int32_t* ForgeInputs::skillField(ForgeInput skill) {
    switch (skill) {
        case ForgeInput::IronTempering: return &ironTempering;
        case ForgeInput::SteelTempering: return &steelTempering;
        case ForgeInput::OrideconResearch: return &orideconResearch;
        case ForgeInput::EnchantedStoneCraft: return &enchantedStoneCraft;
        case ForgeInput::SmithDagger: return &smithDagger;
        case ForgeInput::SmithSword: return &smithSword;
        case ForgeInput::Smith2HSword: return &smith2HSword;
        case ForgeInput::SmithAxe: return &smithAxe;
        case ForgeInput::SmithMace: return &smithMace;
        case ForgeInput::SmithKnucklebrace: return &smithKnucklebrace;
        case ForgeInput::SmithSpear: return &smithSpear;
        default: break;
    }
    return nullptr;
}

double ForgeRate(const ForgeRules& rules, RateRule rule, const ForgeInputs& in, const WeaponRateArgs& weapon) {
    if (rule == RateRule::FixedRule) return 100.0;

    // Each term is a 32-bit value times a weight of at most 10^6 in size,
    // so the sum stays far within 64 bits.
    const RateWeights& w = WeightsOf(rules, rule);
    const std::int64_t level = w.baseLevel ? in.baseLevel : in.jobLevel;
    std::int64_t sum = level * w.level + std::int64_t{in.dex} * w.dex + std::int64_t{in.luk} * w.luk +
                       (std::int64_t{SkillLevelOf(rule, in, weapon)} - w.skillOffset) * w.skill + w.constant;
    if (rule == RateRule::WeaponRule)
        sum += std::int64_t{in.weaponryResearch} * rules.researchPerLevel -
               std::int64_t{weapon.starCrumbs} * rules.perStarCrumb - std::int64_t{weapon.elementFlag} * rules.element;

    double rate = (Extended(sum) / 100).convertTo<double>();
    if (rule != RateRule::WeaponRule) return rate;

    if (const NamedValue* anvil = FindNamed(rules.anvils, weapon.anvil); anvil && anvil->value != 0)
        rate = AddToRate(rate, anvil->value);
    if (weapon.weaponLevel > 1) rate = AddToRate(rate, Extended(-10) * weapon.weaponLevel);
    if (weapon.weaponLevel == 3) rate = AddToRate(rate, in.orideconResearch);
    return rate;
}

}  // namespace trivelon
