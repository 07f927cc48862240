#pragma once
// Refining from +c to +t: success rate, expected materials and items, bonus
// and cost, and the state changes of the refining tab.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/refine_tables.h"
#include "result.h"

namespace trivelon {

struct RefineState {
    std::int32_t CurLevel = 0;
    std::int32_t FinalLevel = 7;
    std::int32_t ClassNo = 1;
    std::int32_t MaterialPrice = 0;
    std::int32_t ItemPrice = 0;
    std::int32_t AttemptFee = 0;
    std::int32_t MaterialCount = 0;
    std::int32_t ItemCount = 0;
    long double Rate = 0;
    long double DefBonus = 0;
    std::int32_t AtkBonus = 0;
};

void InitRefine(RefineState& state);

// The class whose text equals the selector text exactly, or nullptr.
const RefineClass* FindRefineClass(std::string_view classText);
// What picking a class does to the state: class number, levels 0 and safe level.
void ApplyRefineClass(RefineState& state, const RefineClass& cls);

enum class LevelKind { Current, Target };  // "+0".."+9" or "+1".."+10"
std::optional<std::int32_t> ParseLevel(std::string_view text, LevelKind kind);
std::string LevelText(std::int32_t level);  // "+7"

struct RefineOutcome {
    std::optional<long double> Rate;  // none when nothing lies above the safe level to do
    std::int32_t MaterialCount = 0;
    std::int32_t ItemCount = 0;
    std::string BonusText;
    std::int32_t AtkBonus = 0;
    long double DefBonus = 0;
};

// True when the refine has steps above the safe level, the only case that
// needs the Weaponry Research level.
bool RefineNeedsWeaponryResearch(std::int32_t classNo, std::int32_t cur, std::int32_t fin);

// Requires 1 <= classNo <= 5, 0 <= cur <= fin <= 10. Fails for a step rate at
// or below 0 and for counts beyond the 32-bit range.
Result<RefineOutcome> ComputeRefine(std::int32_t classNo, std::int32_t cur, std::int32_t fin, std::int32_t w);

Result<std::int32_t> RefineCost(std::int32_t materialCount, std::int32_t itemCount, std::int32_t materialPrice,
                                std::int32_t attemptFee, std::int32_t itemPrice);

// Storing the result in the state as a level change does.
void StoreRefineOutcome(RefineState& state, const RefineOutcome& outcome);

}  // namespace trivelon
