// The forge inputs' table: names, defaults and descriptions.
#include "forge_input.h"

#include <algorithm>
#include <array>
#include <optional>

#include "catalogue/anvils.h"
#include "numbers.h"

namespace trivelon {

namespace {

constexpr std::array<std::string_view, 5> kElements{kNoElement, "Fire", "Ice", "Wind", "Earth"};
constexpr std::array<std::string_view, 5> kElementIds{"none", "fire", "ice", "wind", "earth"};

// clang-format off
constexpr std::array<ForgeInputField, 19> kFields{{
    {ForgeInput::Item, TRIVELON_TEXT("Fields", "Что куем?"), "", "", "display name of the item to forge", {}},
    {ForgeInput::BaseLevel, "Base Lvl", "base", "71", "base level", {}, kBaseLevelRange},
    {ForgeInput::JobLevel, "Job Lvl", "job", "42", "job level", {}, kJobLevelRange},
    {ForgeInput::Dex, "Dex", "dex", "117", "Dex", {}, kDexRange},
    {ForgeInput::Luk, "Luk", "luk", "90", "Luk", {}, kLukRange},
    {ForgeInput::SmithDagger, "Smith Dagger", "smith-dagger", "3", "Smith Dagger level", {}, kSmithSkillRange},
    {ForgeInput::SmithSword, "Smith Sword", "smith-sword", "3", "Smith Sword level", {}, kSmithSkillRange},
    {ForgeInput::Smith2HSword, "Smith 2H Sword", "smith-2h-sword", "3", "Smith 2H Sword level", {}, kSmithSkillRange},
    {ForgeInput::SmithAxe, "Smith Axe", "smith-axe", "3", "Smith Axe level", {}, kSmithSkillRange},
    {ForgeInput::SmithMace, "Smith Mace", "smith-mace", "3", "Smith Mace level", {}, kSmithSkillRange},
    {ForgeInput::SmithKnucklebrace, "Smith Knucklebrace", "smith-knucklebrace", "3", "Smith Knucklebrace level", {}, kSmithSkillRange},
    {ForgeInput::SmithSpear, "Smith Spear", "smith-spear", "3", "Smith Spear level", {}, kSmithSkillRange},
    {ForgeInput::WeaponryResearch, "Weaponry Research", "weaponry-research", "10", "Weaponry Research level", {}, kWeaponryResearchRange},
    {ForgeInput::OrideconResearch, "Oridecon Research", "oridecon-research", "5", "Oridecon Research level", {}, kOtherSkillRange},
    {ForgeInput::IronTempering, "Iron Tempering", "iron-tempering", "1", "Iron Tempering level", {}, kOtherSkillRange},
    {ForgeInput::SteelTempering, "Steel Tempering", "steel-tempering", "1", "Steel Tempering level", {}, kOtherSkillRange},
    {ForgeInput::EnchantedStoneCraft, "Enchanted Stone Craft", "enchanted-stone-craft", "5", "Enchanted Stone Craft level", {}, kOtherSkillRange},
    {ForgeInput::Anvil, TRIVELON_TEXT("Fields", "Наковальня"), "anvil", kAnvilNames.back(), "anvil", kAnvilNames, {0, 0}, kAnvilIds},  // the best anvil
    {ForgeInput::Element, TRIVELON_TEXT("Fields", "Элемент"), "element", kNoElement, "element", kElements, {0, 0}, kElementIds},
}};
// clang-format on

constexpr bool EveryInputOnce() {
    for (int input = 0; input <= static_cast<int>(ForgeInput::Anvil); ++input)
        if (std::count_if(kFields.begin(), kFields.end(),
                          [input](const ForgeInputField& f) { return static_cast<int>(f.input) == input; }) != 1)
            return false;
    return true;
}
static_assert(EveryInputOnce(), "every forge input has exactly one row");
static_assert(kElements.size() == kElementIds.size() && kAnvilNames.size() == kAnvilIds.size(),
              "an id for every name picked from a list");

// The text in lower case, for the Latin and the Russian letters (UTF-8:
// А to П are D0 90 to D0 9F, Р to Я D0 A0 to D0 AF, Ё D0 81).
std::string Folded(std::string_view text) {
    std::string folded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= 'A' && c <= 'Z') {
            folded += static_cast<char>(c - 'A' + 'a');
            continue;
        }
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0U;
        if (static_cast<unsigned char>(c) != 0xD0 || next < 0x81 || (next > 0x81 && next < 0x90) || next > 0xAF) {
            folded += c;
            continue;
        }
        ++i;
        if (next == 0x81) {
            folded += "\xD1\x91";  // ё
        } else if (next < 0xA0) {
            folded += '\xD0';
            folded += static_cast<char>(next + 0x20);
        } else {
            folded += '\xD1';
            folded += static_cast<char>(next - 0x20);
        }
    }
    return folded;
}

}  // namespace

namespace {

// The place of the name the text names, by name whatever its case or by id.
std::optional<std::size_t> ChoiceIndex(const ForgeInputField& field, std::string_view text) {
    const std::string folded = Folded(text);
    for (std::size_t i = 0; i < field.choices.size(); ++i)
        if (Folded(field.choices[i]) == folded || (i < field.choiceIds.size() && field.choiceIds[i] == text)) return i;
    return std::nullopt;
}

}  // namespace

std::string_view ChoiceNamed(const ForgeInputField& field, std::string_view text) {
    const std::optional<std::size_t> index = ChoiceIndex(field, text);
    return index ? field.choices[*index] : text;
}

std::string_view ChoiceId(const ForgeInputField& field, std::string_view text) {
    const std::optional<std::size_t> index = ChoiceIndex(field, text);
    return index && *index < field.choiceIds.size() ? field.choiceIds[*index] : text;
}

namespace {

// The name of the field's list the text names; blanks alone name the first.
std::optional<std::string_view> PickedName(ForgeInput input, std::string_view text) {
    const ForgeInputField& field = FieldOf(input);
    if (text.find_first_not_of(" \t") == std::string_view::npos) return field.choices.front();
    const std::optional<std::size_t> index = ChoiceIndex(field, text);
    if (!index) return std::nullopt;
    return field.choices[*index];
}

}  // namespace

std::optional<std::string_view> ElementNamed(std::string_view text) { return PickedName(ForgeInput::Element, text); }

std::optional<std::string_view> AnvilNamed(std::string_view text) { return PickedName(ForgeInput::Anvil, text); }

std::optional<Message> AnvilProblem(std::string_view text) {
    if (AnvilNamed(text)) return std::nullopt;
    return Message{TRIVELON_TEXT("Messages", "%1: «%2» — нет такой наковальни"),
                   {FieldOf(ForgeInput::Anvil).translatedName(), std::string(text)}};
}

std::optional<Message> ElementProblem(std::string_view text) {
    if (ElementNamed(text)) return std::nullopt;
    return Message{TRIVELON_TEXT("Messages", "%1: «%2» — нет такого элемента"),
                   {FieldOf(ForgeInput::Element).translatedName(), std::string(text)}};
}

std::optional<Message> WholeNumberProblem(const ForgeInputField& field, std::string_view text) {
    if (TryParseInt(text)) return std::nullopt;
    return Message{TRIVELON_TEXT("Messages", "%1: «%2» — не целое число"), {field.translatedName(), std::string(text)}};
}

std::span<const ForgeInputField> ForgeInputFields() { return kFields; }

const ForgeInputField& FieldOf(ForgeInput input) {
    // Found: every input has its row.
    return *std::find_if(kFields.begin(), kFields.end(),
                         [input](const ForgeInputField& f) { return f.input == input; });
}

}  // namespace trivelon
