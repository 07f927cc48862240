#pragma once
// Refining from +c to +t: success rate, expected materials and items, bonus
// and cost, and how picking a class or a level changes the refine.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "budget.h"
#include "extended.h"
#include "result.h"
#include "rules.h"

namespace trivelon {

// The class and levels a refine is chosen at, with its prices; a new state
// is the first class from +0 to +7.
struct RefineState {
    std::int32_t currentLevel = 0;
    std::int32_t targetLevel = 7;
    std::size_t classIndex = 0;  // the class's place in the rules' class list
    std::int64_t materialPrice = 0;
    std::int64_t itemPrice = 0;
};

// The place of the class whose name or id equals the text exactly, or none.
std::optional<std::size_t> FindRefineClass(const RefineRules& rules, std::string_view className);
// What picking a class does to the state: levels 0 and the class's safe
// level.
void ApplyRefineClass(RefineState& state, const RefineRules& rules, std::size_t classIndex);

// A class's safe refine, from +0 to its safe level in one certain try: one
// item and a material for each level, at the class's default material price
// and no price for the item.
struct SafeRefine {
    std::int32_t level = 0;  // the safe level, also the number of materials
    std::string bonusText;
    std::int64_t cost = 0;
};
SafeRefine SafeRefineOf(const RefineClassRule& cls);

enum class LevelKind { Current, Target };
// The levels a refine starts from (+0 to one below the highest) and those it
// reaches (+1 to the highest).
struct RefineLevels {
    std::int32_t lowest;
    std::int32_t highest;
};
RefineLevels LevelsOf(const RefineRules& rules, LevelKind kind);
// A level as typed: "+9", "9" or " +9 ", within the kind's levels; none for
// any other text.
std::optional<std::int32_t> ParseLevel(std::string_view text, const RefineRules& rules, LevelKind kind);
std::string LevelText(std::int32_t level);  // "+7"

// Choosing a level keeps the current level at or below the target: a current
// level above the target raises the target to it, and a target below the
// current level lowers the current level to it. True when the other level
// moved along.
bool ChooseCurrentLevel(RefineState& state, std::int32_t level);
bool ChooseTargetLevel(RefineState& state, std::int32_t level);

struct RefineOutcome {
    std::optional<Extended> rate;  // none when nothing lies above the safe level to do
    std::int64_t materialCount = 0;
    std::int64_t itemCount = 0;
    std::string bonusText;  // "ATK +18+1-6", "DEF +3"
    // The rate as an exact chance: certain for a safe refine, none when
    // nothing is to do.
    std::optional<TryChance> tryChance;
};

// True when the refine has steps above the safe level, the only case that
// needs the Weaponry Research level.
bool RefineNeedsWeaponryResearch(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin);

// What a Weaponry Research level adds to each step above the safe level, in
// percent; 64 bits hold any typed level.
std::int64_t ResearchBonus(const RefineRules& rules, std::int32_t weaponryResearch);

// The rate in percent of the step to +level: its chance plus the research
// bonus w; a step above 100 % is as certain as one at 100 %, and counts as 100.
std::int64_t StepRate(const RefineClassRule& cls, std::int32_t level, std::int64_t w);

// The error of a refine with a step above the safe level whose rate is at or
// below 0, as ComputeRefine and the refine expectation give it: the message of
// the first negative step, otherwise of the first step at 0; none
// when every such step has a rate above 0, or there is none.
std::optional<Error> RefineStepRateError(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin,
                                         std::int64_t w);

// Requires 0 <= cur <= fin <= the class's highest level; w is the research
// bonus (ResearchBonus). A step
// rate above 100 counts as 100, so the rate is at most 100 % and the materials
// at least the levels gained. Fails for a step rate at or below 0
// (RefineStepRateError) and for counts beyond the 64-bit range.
Result<RefineOutcome> ComputeRefine(const RefineClassRule& cls, std::int32_t cur, std::int32_t fin, std::int64_t w);

// The expected cost in zeny: every material with its attempt fee, and every
// item; none where it lies beyond the 64-bit range.
std::optional<std::int64_t> RefineCost(std::int64_t materialCount, std::int64_t itemCount, std::int64_t materialPrice,
                                       std::int64_t attemptFee, std::int64_t itemPrice);

// One try of a refine: one item, and a material with the attempt fee for
// every level gained; none beyond the 64-bit range.
std::optional<std::int64_t> RefineTryCost(std::int32_t levelsGained, std::int64_t itemPrice, std::int64_t materialPrice,
                                          std::int64_t attemptFee);

}  // namespace trivelon
