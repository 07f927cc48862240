#pragma once
// One forge request: from the texts of the forge inputs to a filled
// ForgeState, the rejection of a category header, or an error.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/forge_catalogue.h"
#include "catalogue/forge_goods.h"
#include "forge_input.h"
#include "numbers.h"
#include "rate_rules.h"
#include "result.h"

namespace trivelon {

inline constexpr const char* kChooseItemWarning = TRIVELON_TEXT("Messages", "Выберите, что ковать");
struct ForgeMaterial {
    std::string name;
    std::string picture;
    std::int32_t quantity = 0;
    std::int32_t price = 0;
};

struct ForgeState {
    ForgeInputs inputs;
    double rate = 0;
    std::string itemName;  // decorated for a weapon at the end of the request
    // A resource's cost is (200 - rate) percent of an attempt; a weapon's is
    // a whole number of attempts, and only a weapon is decorated.
    bool resource = false;
    std::string toolName;
    std::string toolPicture;
    std::int32_t toolPrice = 0;
    ForgeMaterial materials[3];
    std::int32_t elementStonePrice = 0;
    std::int32_t starCrumbPrice = 0;
    std::int32_t weaponLevel = 0;
    std::int32_t atk = 0;
    std::int32_t range = 0;
    std::int32_t weight = 0;
    std::int32_t requiredBaseLevel = 0;
    std::string typeText;
    std::int32_t starCrumbCount = 0;
    std::int32_t elementFlag = 0;
    std::string elementName;

    // The item's picture and texts, the stone and the rate.
    std::string bigPicture;
    std::string description;
    std::string equip;
    const ElementStone* elementStone = nullptr;  // null when no stone row is filled
    // The rate as shown, between 1 and 100: at most 15 significant digits.
    // The cost and the budgets are worked out from it, so that they belong
    // to the figure the player reads.
    ExactDecimal shownRate;
};

// How far a request got.
enum class ForgeStage {
    InvalidCharacter,    // a character input is not a whole number: nothing else is known
    CategoryHeader,      // a category header was chosen instead of an item: a warning
    InvalidSkillOrItem,  // a skill input is not a whole number, or the item is unknown
    Filled,              // the state is complete
};

struct ForgeRequestOutcome {
    ForgeStage stage = ForgeStage::InvalidCharacter;
    std::string caption;           // the item name as selected
    std::optional<Message> error;  // for the two failure stages
    ForgeState state;              // for Filled
};

// The request under the rules: their rate weights, anvils and prices.
ForgeRequestOutcome RunForgeRequest(const ForgeRules& rules, const ForgeInputTexts& source);

// Name decoration of a weapon: element in front, then "VS ", "VVS " or "VVVS ".
std::string DecorateItemName(std::string_view name, std::int32_t elementFlag, std::string_view element,
                             std::int32_t starCrumbs);

}  // namespace trivelon
