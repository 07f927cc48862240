// Success rates of the seven rules with the default character and with inputs
// at and far beyond the offered ranges, and the skill each entry's rate reads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "core/rate_rules.h"

namespace trivelon {
namespace {

// The built-in rules' weights and anvils.
const ForgeRules& Forge() { return BuiltInRules().forge; }

ForgeInputs DefaultCharacter() {
    ForgeInputs in;
    in.baseLevel = 71;
    in.jobLevel = 42;
    in.dex = 117;
    in.luk = 90;
    in.smithDagger = in.smithSword = in.smith2HSword = in.smithAxe = 3;
    in.smithMace = in.smithKnucklebrace = in.smithSpear = 3;
    in.weaponryResearch = 10;
    in.ironTempering = 1;
    in.steelTempering = 1;
    in.orideconResearch = 5;
    in.enchantedStoneCraft = 5;
    return in;
}

WeaponRateArgs DefaultWeapon(std::int32_t level) {
    WeaponRateArgs w;
    w.anvil = "Emperium Anvil";
    w.weaponLevel = level;
    w.smithSkill = 3;
    return w;
}

struct RuleCase {
    const char* name;
    RateRule rule;
    std::int32_t weaponLevel;  // used by WeaponRule only
    double rate;
};

class DefaultCharacterRate : public ::testing::TestWithParam<RuleCase> {};

TEST_P(DefaultCharacterRate, MatchesTheWorkedValue) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), c.rule, DefaultCharacter(), DefaultWeapon(c.weaponLevel)), c.rate) << c.name;
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, DefaultCharacterRate,
                         ::testing::Values(RuleCase{"Iron", RateRule::IronRule, 1, 79.1},
                                           RuleCase{"Steel", RateRule::SteelRule, 1, 69.1},
                                           RuleCase{"Oridecon", RateRule::OrideconRule, 1, 88.7},
                                           RuleCase{"Elunium", RateRule::EluniumRule, 1, 83.7},
                                           RuleCase{"Stone", RateRule::StoneRule, 1, 69.1},
                                           RuleCase{"Fixed", RateRule::FixedRule, 1, 100.0},
                                           RuleCase{"Weapon1", RateRule::WeaponRule, 1, 109.1},
                                           RuleCase{"Weapon2", RateRule::WeaponRule, 2, 89.1},
                                           RuleCase{"Weapon3", RateRule::WeaponRule, 3, 84.1}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(WeaponRate, CrumbsAndElementLowerTheSum) {
    WeaponRateArgs w = DefaultWeapon(1);
    w.starCrumbs = 2;
    w.elementFlag = 1;
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, DefaultCharacter(), w), 54.1);

    w.starCrumbs = 3;  // 45 + 25 = 70 points below the plain weapon
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, DefaultCharacter(), w), 39.1);
}

TEST(WeaponRate, OnlyTheThreeNamedAnvilsAddPoints) {
    struct Case {
        std::string_view anvil;
        double rate;  // level 1 weapon, default character
    };
    for (const Case& c : {Case{"Emperium Anvil", 109.1}, Case{"Golden Anvil", 104.1}, Case{"Oridecon Anvil", 102.1},
                          Case{"Iron Anvil", 99.1}, Case{"None", 99.1}, Case{"", 99.1}, Case{"emperium anvil", 99.1},
                          Case{"Emperium Anvil ", 99.1}, Case{" Golden Anvil", 99.1}, Case{"GOLDEN ANVIL", 99.1},
                          Case{"Oridecon  Anvil", 99.1}}) {
        WeaponRateArgs w = DefaultWeapon(1);
        w.anvil = c.anvil;
        EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, DefaultCharacter(), w), c.rate)
            << "'" << c.anvil << "'";
    }
}

TEST(WeaponRate, WeaponryResearchAndOrideconResearchTerms) {
    ForgeInputs in = DefaultCharacter();
    in.weaponryResearch = 0;
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, in, DefaultWeapon(1)), 99.1);

    // Oridecon Research counts only at weapon level 3; the smith skill is the
    // one passed with the weapon, not a field of the inputs.
    in = DefaultCharacter();
    in.orideconResearch = 1;
    in.smithDagger = 1;
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, in, DefaultWeapon(2)), 89.1);
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, in, DefaultWeapon(3)), 80.1);
}

TEST(WeaponRate, LowestOfferedInputsGoFarBelowZero) {
    ForgeInputs in;
    in.baseLevel = in.jobLevel = in.dex = in.luk = 1;
    in.orideconResearch = 1;
    WeaponRateArgs w;
    w.starCrumbs = 3;
    w.elementFlag = 1;
    w.anvil = "None";
    w.weaponLevel = 3;
    w.smithSkill = 1;
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::WeaponRule, in, w), -48.6);
}

TEST(ResourceRates, EachReadsItsOwnSkill) {
    ForgeInputs in = DefaultCharacter();
    in.ironTempering = 5;  // +20 points for Iron only
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::IronRule, in), 99.1);
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::SteelRule, in), 69.1);

    in = DefaultCharacter();
    in.orideconResearch = 1;  // Oridecon and Elunium share Oridecon Research
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::OrideconRule, in), 68.7);
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::EluniumRule, in), 63.7);

    in = DefaultCharacter();
    in.baseLevel = 1;  // the Oridecon rules take the base level, the others the job level
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::OrideconRule, in), 67.7);
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::StoneRule, in), 69.1);
}

// A weapon's rate reads its category's smith skill; a resource's, its rule's
// skill; Star Crumb's fixed rate, none.
TEST(SkillInputOf, EveryEntryReadsItsCategoryOrRuleSkill) {
    const std::optional<ForgeInput> smithSkills[] = {
        std::nullopt,         ForgeInput::SmithDagger, ForgeInput::SmithSword,        ForgeInput::Smith2HSword,
        ForgeInput::SmithAxe, ForgeInput::SmithMace,   ForgeInput::SmithKnucklebrace, ForgeInput::SmithSpear};
    struct ResourceCase {
        std::string_view name;
        std::optional<ForgeInput> skill;
    };
    const ResourceCase resources[] = {
        {"Iron", ForgeInput::IronTempering},
        {"Steel", ForgeInput::SteelTempering},
        {"Oridecon", ForgeInput::OrideconResearch},
        {"Elunium", ForgeInput::OrideconResearch},
        {"Flame Heart", ForgeInput::EnchantedStoneCraft},
        {"Rough Wind", ForgeInput::EnchantedStoneCraft},
        {"Mystic Frozen", ForgeInput::EnchantedStoneCraft},
        {"Great Nature", ForgeInput::EnchantedStoneCraft},
        {"Star Crumb", std::nullopt},
    };
    std::size_t resourcesSeen = 0;
    for (const ForgeRecipe& entry : ForgeCatalogue::Entries()) {
        SCOPED_TRACE(std::string(entry.displayName));
        if (entry.isWeapon()) {
            EXPECT_EQ(SkillInputOf(entry), smithSkills[static_cast<std::size_t>(entry.category)]);
            continue;
        }
        ++resourcesSeen;
        for (const ResourceCase& c : resources) {
            if (c.name == entry.displayName) {
                EXPECT_EQ(SkillInputOf(entry), c.skill);
            }
        }
    }
    EXPECT_EQ(resourcesSeen, std::size(resources));
}

TEST(RateRules, ExtremeInputsAreSummedWithoutWrapping) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    ForgeInputs huge;
    huge.baseLevel = huge.jobLevel = huge.dex = huge.luk = kMax;
    huge.smithDagger = huge.weaponryResearch = huge.ironTempering = huge.steelTempering = kMax;
    huge.orideconResearch = huge.enchantedStoneCraft = kMax;

    const long long m = kMax;
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::IronRule, huge), static_cast<double>(m * 540 + 4500) / 100);
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::OrideconRule, huge), static_cast<double>(m * 560 + 1000) / 100);

    WeaponRateArgs w = DefaultWeapon(3);
    w.smithSkill = kMax;
    const double weapon = ForgeRate(Forge(), RateRule::WeaponRule, huge, w);
    EXPECT_TRUE(std::isfinite(weapon));
    EXPECT_GT(weapon, 100.0);

    EXPECT_EQ(ForgeRate(Forge(), RateRule::FixedRule, huge), 100.0);

    ForgeInputs tiny;
    tiny.baseLevel = tiny.jobLevel = tiny.dex = tiny.luk = kMin;
    tiny.steelTempering = tiny.orideconResearch = kMin;
    EXPECT_DOUBLE_EQ(ForgeRate(Forge(), RateRule::SteelRule, tiny), static_cast<double>(-(m + 1) * 540 + 3500) / 100);
    EXPECT_LT(ForgeRate(Forge(), RateRule::EluniumRule, tiny), 0.0);
}

}  // namespace
}  // namespace trivelon
