// The forge inputs' table: names, defaults and descriptions.
#include "forge_input.h"

#include <algorithm>
#include <array>

#include "catalogue/anvils.h"

namespace trivelon {

namespace {

constexpr std::array<std::string_view, 5> kElements{kNoElement, "Fire", "Ice", "Wind", "Earth"};

// clang-format off
constexpr std::array<ForgeInputField, 19> kFields{{
    {ForgeInput::Item, "", "", "display name of the item to forge", {}},
    {ForgeInput::BaseLevel, "base", "71", "base level", {}},
    {ForgeInput::JobLevel, "job", "42", "job level", {}},
    {ForgeInput::Dex, "dex", "117", "Dex", {}},
    {ForgeInput::Luk, "luk", "90", "Luk", {}},
    {ForgeInput::SmithDagger, "smith-dagger", "3", "Smith Dagger level", {}},
    {ForgeInput::SmithSword, "smith-sword", "3", "Smith Sword level", {}},
    {ForgeInput::Smith2HSword, "smith-2h-sword", "3", "Smith 2H Sword level", {}},
    {ForgeInput::SmithAxe, "smith-axe", "3", "Smith Axe level", {}},
    {ForgeInput::SmithMace, "smith-mace", "3", "Smith Mace level", {}},
    {ForgeInput::SmithKnucklebrace, "smith-knucklebrace", "3", "Smith Knucklebrace level", {}},
    {ForgeInput::SmithSpear, "smith-spear", "3", "Smith Spear level", {}},
    {ForgeInput::WeaponryResearch, "weaponry-research", "10", "Weaponry Research level", {}},
    {ForgeInput::OrideconResearch, "oridecon-research", "5", "Oridecon Research level", {}},
    {ForgeInput::IronTempering, "iron-tempering", "1", "Iron Tempering level", {}},
    {ForgeInput::SteelTempering, "steel-tempering", "1", "Steel Tempering level", {}},
    {ForgeInput::EnchantedStoneCraft, "enchanted-stone-craft", "5", "Enchanted Stone Craft level", {}},
    {ForgeInput::Anvil, "anvil", kAnvils.back().name, "anvil", kAnvilNames},  // the best anvil
    {ForgeInput::Element, "element", kNoElement, "element", kElements},
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

}  // namespace

std::span<const ForgeInputField> ForgeInputFields() { return kFields; }

const ForgeInputField& FieldOf(ForgeInput input) {
    // Found: every input has its row.
    return *std::find_if(kFields.begin(), kFields.end(),
                         [input](const ForgeInputField& f) { return f.input == input; });
}

}  // namespace trivelon
