// The success-rate rules. Sums are formed in 64 bits (no typed value can
// overflow them) and divided in extended precision, then held as a double,
// exactly as the 32-bit sums would be within the offered ranges.
#include "rate_rules.h"

#include "catalogue/anvils.h"
#include "extended.h"

namespace trivelon {

namespace {

struct SumWeights {
    bool baseLevel;  // the level term takes the base level, else the job level
    std::int64_t levelWeight;
    std::int64_t dexWeight;
    std::int64_t skillOffset;  // subtracted from the skill level before weighting
    std::int64_t constant;
};

SumWeights WeightsOf(RateRule rule) {
    switch (rule) {
        case RateRule::IronRule:
        case RateRule::WeaponRule: return {false, 20, 10, 0, 4500};
        case RateRule::SteelRule: return {false, 20, 10, 0, 3500};
        case RateRule::OrideconRule: return {true, 30, 20, 0, 1000};
        case RateRule::EluniumRule: return {true, 30, 20, 1, 1000};
        case RateRule::StoneRule: return {false, 20, 10, 0, 1500};
        case RateRule::FixedRule: break;
    }
    return {false, 0, 0, 0, 0};
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

double ForgeRate(RateRule rule, const ForgeInputs& in, const WeaponRateArgs& weapon) {
    if (rule == RateRule::FixedRule) return 100.0;

    const SumWeights w = WeightsOf(rule);
    const std::int64_t level = w.baseLevel ? in.baseLevel : in.jobLevel;
    std::int64_t sum = level * w.levelWeight + std::int64_t{in.dex} * w.dexWeight + std::int64_t{in.luk} * 10 +
                       (std::int64_t{SkillLevelOf(rule, in, weapon)} - w.skillOffset) * 500 + w.constant;
    if (rule == RateRule::WeaponRule)
        sum += std::int64_t{in.weaponryResearch} * 100 - std::int64_t{weapon.starCrumbs} * 1500 -
               std::int64_t{weapon.elementFlag} * 2500;

    double rate = (Extended(sum) / 100).convertTo<double>();
    if (rule != RateRule::WeaponRule) return rate;

    if (const Anvil* anvil = FindAnvil(weapon.anvil); anvil && anvil->rateBonus != 0)
        rate = AddToRate(rate, anvil->rateBonus);
    if (weapon.weaponLevel > 1) rate = AddToRate(rate, Extended(-10) * weapon.weaponLevel);
    if (weapon.weaponLevel == 3) rate = AddToRate(rate, in.orideconResearch);
    return rate;
}

}  // namespace trivelon
