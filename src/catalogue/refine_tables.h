#pragma once
// The five refine equipment classes: their names, the attempt fee and the
// material each level takes, and the per-step success rates and bonus
// constants. Constant data.
#include <array>
#include <cstdint>
#include <string_view>

namespace trivelon {

struct RefineClass {
    std::int32_t classNumber;  // 1 to kRefineClasses.size(), the row's position
    std::string_view classText;
    std::int32_t fee;  // Zeny for each level tried, paid with its material
    std::string_view materialImage;
    std::string_view materialName;
    std::int32_t materialDefaultPrice;
};

inline constexpr std::array<RefineClass, 5> kRefineClasses{{
    {1, "Оружие 1 уровня", 50, "images/phracon.bmp", "Phracon", 200},
    {2, "Оружие 2 уровня", 200, "images/emveretarcon.bmp", "Emveretarcon", 1000},
    {3, "Оружие 3 уровня", 5000, "images/oridecon.bmp", "Oridecon", 5000},
    {4, "Оружие 4 уровня", 20000, "images/oridecon.bmp", "Oridecon", 5000},
    {5, "Одежда", 2000, "images/elunium.bmp", "Elunium", 60000},
}};

// The levels a refine starts from and the levels it reaches, as the level
// lists offer them: +0 to +9 and +1 to +10.
struct RefineLevels {
    std::int32_t lowest;
    std::int32_t highest;
};
inline constexpr RefineLevels kCurrentLevels{0, 9};
inline constexpr RefineLevels kTargetLevels{1, 10};

struct RefineSteps {
    std::int32_t safeLevel;
    // stepBase[L]: base success rate in percent of the step from +(L-1) to +L;
    // only levels above the safe level are used.
    std::array<std::int32_t, kTargetLevels.highest + 1> stepBase;
    std::int32_t atkPerLevel;     // 0 for armour
    std::int32_t spreadPerLevel;  // 0 for armour
    bool armour;
};

// One row per class, in the order of kRefineClasses.
inline constexpr std::array<RefineSteps, kRefineClasses.size()> kRefineSteps{{
    {7, {0, 0, 0, 0, 0, 0, 0, 0, 60, 40, 20}, 2, 3, false},
    {6, {0, 0, 0, 0, 0, 0, 0, 60, 40, 20, 20}, 3, 5, false},
    {5, {0, 0, 0, 0, 0, 0, 60, 50, 20, 20, 20}, 5, 8, false},
    {4, {0, 0, 0, 0, 0, 60, 40, 40, 20, 20, 10}, 7, 14, false},
    {4, {0, 0, 0, 0, 0, 60, 40, 40, 20, 20, 10}, 0, 0, true},
}};

}  // namespace trivelon
