#pragma once
// What a forging is worked out from: the character, the skills, the item and
// what is added to a weapon, each given as the text a player typed or picked,
// and every input's name, default and description in one table.
#include <span>
#include <string>
#include <string_view>

namespace trivelon {

enum class ForgeInput {
    BaseLevel,
    Dex,
    Luk,
    JobLevel,
    Item,
    IronTempering,
    SteelTempering,
    OrideconResearch,
    EnchantedStoneCraft,
    SmithDagger,
    SmithSword,
    Smith2HSword,
    SmithAxe,
    SmithMace,
    SmithKnucklebrace,
    SmithSpear,
    WeaponryResearch,
    Element,
    Anvil,
};

// Where a forge request gets its texts from, one input at a time, so that an
// input the chosen item does not need is never read.
class ForgeInputTexts {
public:
    virtual ~ForgeInputTexts() = default;
    virtual std::string text(ForgeInput input) const = 0;
    virtual bool starCrumbTicked(int box) const = 0;  // box 1..3
};

// The element a weapon is forged without.
inline constexpr std::string_view kNoElement = "Без элемента";

struct ForgeInputField {
    ForgeInput input;
    std::string_view option;       // its command-line name ("smith-dagger"); empty for the item
    std::string_view defaultText;  // what a new character starts with; empty for the item
    std::string_view description;  // what it is ("Smith Dagger level")
    // The names it is picked from, in list order: the anvils and the
    // elements; empty for the numbers.
    std::span<const std::string_view> choices;
};

// Every input once: the item first, then the character, the skills, the
// anvil and the element.
std::span<const ForgeInputField> ForgeInputFields();
const ForgeInputField& FieldOf(ForgeInput input);

}  // namespace trivelon
