#pragma once
// The five refine equipment classes: what the refining tab shows by default
// for each, and the per-step success rates and bonus constants. Constant data.
#include <array>
#include <cstdint>
#include <string_view>

namespace trivelon {

struct RefineClass {
    std::int32_t classNumber;  // 1..5, the row's position
    std::string_view classText;
    std::string_view safeLevelText;  // "+7" .. "+4"
    std::string_view fee;            // Zeny per attempt, as shown
    std::string_view safeBonusText;
    std::string_view safeAvgCost;
    std::string_view materialCountText;  // equal to the safe level
    std::string_view materialImage;
    std::string_view materialName;  // with its leading blank
    std::string_view materialDefaultPrice;
};

inline constexpr std::array<RefineClass, 5> kRefineClasses{{
    {1, "Оружие 1 уровня", "+7", "50", "ATK +14", "1750", "7", "images/phracon.bmp", " Phracon", "200"},
    {2, "Оружие 2 уровня", "+6", "200", "ATK +18", "7200", "6", "images/emveretarcon.bmp", " Emveretarcon", "1000"},
    {3, "Оружие 3 уровня", "+5", "5000", "ATK +25", "50000", "5", "images/oridecon.bmp", " Oridecon", "5000"},
    {4, "Оружие 4 уровня", "+4", "20000", "ATK +28", "100000", "4", "images/oridecon.bmp", " Oridecon", "5000"},
    {5, "Одежда", "+4", "2000", "DEF +3", "248000", "4", "images/elunium.bmp", " Elunium", "60000"},
}};

struct RefineSteps {
    std::int32_t safeLevel;
    // stepBase[L]: base success rate in percent of the step from +(L-1) to +L;
    // only levels above the safe level are used.
    std::array<std::int32_t, 11> stepBase;
    std::int32_t atkPerLevel;     // 0 for armour
    std::int32_t spreadPerLevel;  // 0 for armour
    bool armour;
};

inline constexpr std::array<RefineSteps, 5> kRefineSteps{{
    {7, {0, 0, 0, 0, 0, 0, 0, 0, 60, 40, 20}, 2, 3, false},
    {6, {0, 0, 0, 0, 0, 0, 0, 60, 40, 20, 20}, 3, 5, false},
    {5, {0, 0, 0, 0, 0, 0, 60, 50, 20, 20, 20}, 5, 8, false},
    {4, {0, 0, 0, 0, 0, 60, 40, 40, 20, 20, 10}, 7, 14, false},
    {4, {0, 0, 0, 0, 0, 60, 40, 40, 20, 20, 10}, 0, 0, true},
}};

}  // namespace trivelon
