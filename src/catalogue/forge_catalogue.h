#pragma once
// The forge catalogue: every forgeable item with its statistics, description,
// recipe and the rule its success rate follows. Constant data.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace trivelon {

enum class RateRule { IronRule, SteelRule, OrideconRule, EluniumRule, StoneRule, FixedRule, WeaponRule };

enum class ForgeCategory { Resources, Knives, OneHandedSwords, TwoHandedSwords, Axes, Maces, Knuckles, Spears };

// A tool's price is a server's (see Rules).
struct ForgeTool {
    std::string_view name;
    std::string_view picture;
};

struct MaterialSlot {
    std::string_view name;     // empty when the slot is not used
    std::string_view picture;  // empty when the slot is not used
    std::int32_t quantity;     // 0 when the slot is not used
    std::int32_t presetPrice;  // 0 for none
    bool used() const { return quantity > 0; }
};

struct ForgeRecipe {
    std::string_view displayName;
    ForgeCategory category;
    std::string_view typeText;
    std::int32_t weaponLevel;
    std::int32_t atk;
    std::int32_t range;
    std::int32_t weight;
    std::int32_t requiredBaseLevel;
    std::string_view bigPicture;
    MaterialSlot materials[3];
    std::string_view description;
    std::string_view equip;
    RateRule rule;
    bool inSelector;  // false for the one entry the list of items to forge does not offer

    const ForgeTool& tool() const;
    bool isWeapon() const { return rule == RateRule::WeaponRule; }
};

// One row of the list of items to forge: a category header (recipe ==
// nullptr) or an entry.
struct SelectorRow {
    std::string_view text;
    const ForgeRecipe* recipe;
};

namespace ForgeCatalogue {
// Every entry, also the one the list does not offer, in data order.
std::span<const ForgeRecipe> Entries();
// The rows of the list of items to forge, each category's header followed by
// its items.
std::span<const SelectorRow> SelectorRows();
// The entry whose display name equals the text exactly, or nullptr.
const ForgeRecipe* Find(std::string_view displayName);
bool IsSeparator(std::string_view text);
}  // namespace ForgeCatalogue

// The tool every resource is forged with, and no weapon.
inline constexpr std::string_view kMiniFurnace = "Mini Furnace";

// The name of a picture file from the name of what it shows ("images/<key>.bmp",
// a big picture "images/big/<key>.bmp"): lower case, blanks and grave accents
// removed, "Orc`s Fang" -> "orcsfang".
std::string PictureKey(std::string_view name);

}  // namespace trivelon
