#pragma once
// What a forging is worked out from: the character, the skills, the item and
// what is added to a weapon, each given as the text a player typed or picked,
// and every input's name, default and description in one table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/forge_ranges.h"
#include "message.h"

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

inline constexpr std::size_t kForgeInputCount = static_cast<std::size_t>(ForgeInput::Anvil) + 1;

// What a forge request is worked out from: each input's text as typed or
// picked, and the star crumbs added. A request parses only the texts the
// chosen item needs, so a bad text elsewhere does no harm.
struct ForgeInputTexts {
    std::array<std::string, kForgeInputCount> texts{};
    std::int32_t starCrumbs = 0;  // 0 to kMostStarCrumbs

    const std::string& text(ForgeInput input) const { return texts[static_cast<std::size_t>(input)]; }
    std::string& text(ForgeInput input) { return texts[static_cast<std::size_t>(input)]; }
};

// The element a weapon is forged without.
inline constexpr std::string_view kNoElement = TRIVELON_TEXT("Fields", "Без элемента");

struct ForgeInputField {
    ForgeInput input;
    std::string_view name;         // as the forging tab names it ("Dex", "Smith Dagger")
    std::string_view option;       // its command-line name ("smith-dagger"); empty for the item
    std::string_view defaultText;  // what a new character starts with; empty for the item
    std::string_view description;  // what it is ("Smith Dagger level")
    // The names it is picked from, in list order: the anvils and the
    // elements; empty for the numbers.
    std::span<const std::string_view> choices;
    // The numbers its list offers; none for the names.
    NumberRange range{0, 0};
    // Each name's id, the same in every language ("fire", "golden-anvil"),
    // as the settings keep it.
    std::span<const std::string_view> choiceIds = {};

    // The name as a message's argument, shown in the player's language.
    TranslatedName translatedName() const { return {"Fields", name}; }
};

// Every input once: the item first, then the character, the skills, the
// anvil and the element.
std::span<const ForgeInputField> ForgeInputFields();
const ForgeInputField& FieldOf(ForgeInput input);

// The one of the field's names that the text names whatever its case ("fire"
// is "Fire"), or whose id it is ("none" is kNoElement), or the text itself
// where it names none.
std::string_view ChoiceNamed(const ForgeInputField& field, std::string_view text);
// The id of the name the text names as ChoiceNamed reads it, or the text
// itself where it names none.
std::string_view ChoiceId(const ForgeInputField& field, std::string_view text);

// The element the text names: one of the list whatever its case, or no
// element (kNoElement) for a text of blanks alone; none where it names no
// element of the list.
std::optional<std::string_view> ElementNamed(std::string_view text);
// Why the text names no element: «Элемент: «Огонь» — нет такого элемента»;
// none where it names one.
std::optional<Message> ElementProblem(std::string_view text);

// The anvil the text names, as ElementNamed reads an element: blanks alone
// are the first of the list, "None".
std::optional<std::string_view> AnvilNamed(std::string_view text);
// Why the text names no anvil: «Наковальня: «Diamond Anvil» — нет такой
// наковальни»; none where it names one.
std::optional<Message> AnvilProblem(std::string_view text);

// Why a number input's text is not a whole number: «Dex: «» — не целое
// число»; none where it is one.
std::optional<Message> WholeNumberProblem(const ForgeInputField& field, std::string_view text);

}  // namespace trivelon
