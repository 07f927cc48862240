#pragma once
// The forge request without its window: from the main window's control texts
// to a filled ForgeState, a rejection of a category header, or an error.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/forge_catalogue.h"
#include "rate_rules.h"
#include "result.h"

namespace trivelon {

// Where the request gets its texts from, one input at a time, so that an
// input the chosen entry does not need is never read.
class ForgeInputTexts {
public:
    virtual ~ForgeInputTexts() = default;
    virtual std::string text(ForgeInput input) const = 0;
    virtual bool starCrumbTicked(int box) const = 0;  // box 1..3
};

inline constexpr std::string_view kNoElement = "Без элемента";
inline constexpr std::string_view kChooseItemWarning = "Выберите, что ковать";
inline constexpr std::string_view kPricePerUnit = "Zeny/шт.";
inline constexpr std::string_view kEmptyPicture = "images/empty.bmp";

struct ElementStone {
    std::string_view element;
    std::string_view name;
    std::string_view picture;
    std::int32_t price;
};
// The stone for an element name, or nullptr for a text that names none.
const ElementStone* FindElementStone(std::string_view element);

inline constexpr std::string_view kStarCrumbName = "Star Crumb";
inline constexpr std::string_view kStarCrumbPicture = "images/starcrumb.bmp";
inline constexpr std::int32_t kStarCrumbPrice = 15000;

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

    // What the window shows besides the record's own fields.
    std::string bigPicture;
    std::string description;
    std::string equip;
    const ElementStone* elementStone = nullptr;  // null when no stone row is filled
    std::string rateText;                        // the rate as the window prints it
    std::optional<std::int64_t> cost;            // the first cost estimate; none beyond 64 bits
};

// How far a request got.
enum class ForgeStage {
    InvalidCharacter,    // a character input is not a whole number: no window
    CategoryHeader,      // a category header was chosen: warn, the window stays empty
    InvalidSkillOrItem,  // a skill input is not a whole number, or the item is unknown: caption only
    Filled,              // the state is complete
};

struct ForgeRequestOutcome {
    ForgeStage stage = ForgeStage::InvalidCharacter;
    std::string caption;  // the item name as selected
    std::string error;    // for the two failure stages
    ForgeState state;     // for Filled
};

ForgeRequestOutcome RunForgeRequest(const ForgeInputTexts& source, char decimalSeparator);

// Name decoration of a weapon: element in front, then "VS ", "VVS " or "VVVS ".
std::string DecorateItemName(std::string_view name, std::int32_t elementFlag, std::string_view element,
                             std::int32_t starCrumbs);

// The initial estimate of a filled state: total of one attempt; resources pay
// (200 - rate) percent of it, computed exactly from the rate as printed;
// weapons pay it ceil(100 / rate) times.
// Nothing where the cost leaves the 64-bit range.
Result<std::optional<std::int64_t>> InitialForgeCost(const ForgeState& state, char decimalSeparator);

}  // namespace trivelon
