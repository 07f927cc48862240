#pragma once
// Success rate in percent of forging one catalogue entry, unclamped.
#include <cstdint>
#include <optional>
#include <string_view>

#include "catalogue/forge_catalogue.h"
#include "forge_input.h"
#include "rules.h"

namespace trivelon {

struct ForgeInputs {
    std::int32_t baseLevel = 0;
    std::int32_t jobLevel = 0;
    std::int32_t dex = 0;
    std::int32_t luk = 0;
    std::int32_t smithDagger = 0;
    std::int32_t smithSword = 0;
    std::int32_t smith2HSword = 0;
    std::int32_t smithAxe = 0;
    std::int32_t smithMace = 0;
    std::int32_t smithKnucklebrace = 0;
    std::int32_t smithSpear = 0;
    std::int32_t weaponryResearch = 0;
    std::int32_t ironTempering = 0;
    std::int32_t steelTempering = 0;
    std::int32_t orideconResearch = 0;
    std::int32_t enchantedStoneCraft = 0;

    // The field that holds the level of the given skill input (nullptr for
    // an input that is no skill).
    std::int32_t* skillField(ForgeInput skill);
};

struct WeaponRateArgs {
    std::int32_t starCrumbs = 0;   // 0..3
    std::int32_t elementFlag = 0;  // 0 or 1
    std::string_view anvil;        // an anvil's name; a text that names none adds nothing
    std::int32_t weaponLevel = 1;
    std::int32_t smithSkill = 0;
};

// The skill whose level an entry's rate reads besides the character's: the
// smith skill of a weapon's category, the skill of a resource's rule; none
// for a rate that is fixed.
std::optional<ForgeInput> SkillInputOf(const ForgeRecipe& entry);

// The rate under the rules' weights. The sums are formed in 64-bit integers,
// so no typed input overflows; within 32-bit range they equal the 32-bit sums
// exactly.
double ForgeRate(const ForgeRules& rules, RateRule rule, const ForgeInputs& in, const WeaponRateArgs& weapon = {});

}  // namespace trivelon
