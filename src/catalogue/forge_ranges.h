#pragma once
// The numbers the forging tab's lists offer for the character and the
// skills, and the character's pictures by base level. Constant data.
#include <array>
#include <cstdint>
#include <string_view>

namespace trivelon {

// The first and the last number a list offers.
struct NumberRange {
    std::int32_t first;
    std::int32_t last;
};

inline constexpr NumberRange kBaseLevelRange{1, 99};
inline constexpr NumberRange kJobLevelRange{1, 50};
inline constexpr NumberRange kDexRange{1, 170};
inline constexpr NumberRange kLukRange{1, 200};
inline constexpr NumberRange kSmithSkillRange{1, 3};
inline constexpr NumberRange kWeaponryResearchRange{0, 10};
inline constexpr NumberRange kOtherSkillRange{1, 5};

// The character's picture above a base level.
struct CharacterPicture {
    std::int32_t aboveLevel;
    std::string_view path;
};

// Ascending, so that the picture of the highest threshold passed is loaded last.
inline constexpr std::array<CharacterPicture, 5> kCharacterPictures{{
    {0, "images/bs0.bmp"},
    {40, "images/bs41.bmp"},
    {65, "images/bs66.bmp"},
    {80, "images/bs81.bmp"},
    {90, "images/bs91.bmp"},
}};

}  // namespace trivelon
