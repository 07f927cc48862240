#pragma once
// What a weapon's recipe adds besides the catalogue entry's materials (the
// element stones and the star crumb, with their pictures), and what every
// recipe row shows. Constant data.
#include <array>
#include <cstdint>
#include <string_view>

#include "translatable.h"

namespace trivelon {

struct ElementStone {
    std::string_view element;  // the element as its list names it
    std::string_view name;
    std::string_view picture;
};

// Their prices are a server's (see Rules).
inline constexpr std::array<ElementStone, 4> kElementStones{{
    {"Fire", "Flame Heart", "images/flameheart.bmp"},
    {"Earth", "Great Nature", "images/greatnature.bmp"},
    {"Wind", "Rough Wind", "images/roughwind.bmp"},
    {"Ice", "Mystic Frozen", "images/mysticfrozen.bmp"},
}};

// The stone for an element name, or nullptr for a text that names none.
constexpr const ElementStone* FindElementStone(std::string_view element) {
    for (const ElementStone& stone : kElementStones)
        if (stone.element == element) return &stone;
    return nullptr;
}

inline constexpr std::string_view kStarCrumbName = "Star Crumb";
// The most star crumbs a weapon takes.
inline constexpr std::int32_t kMostStarCrumbs = 3;
inline constexpr std::string_view kStarCrumbPicture = "images/starcrumb.bmp";

// The unit beside a filled price, and the picture of a row a recipe leaves empty.
inline constexpr std::string_view kPricePerUnit = TRIVELON_TEXT("Catalogue", "Zeny/шт.");
inline constexpr std::string_view kEmptyPicture = "images/empty.bmp";

}  // namespace trivelon
