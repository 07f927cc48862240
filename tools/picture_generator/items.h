// Drawings of everything the forge catalogue lists: resources and weapons.
#pragma once

#include <string>
#include <vector>

#include "kit.h"

namespace pic {

enum class Layout {
    Long,     // lies along its y axis, tip towards negative y; shown diagonally
    Upright,  // a head on a handle (axes, maces): shown slightly tilted
    Compact,  // fits a square: resources and knuckles
};

struct ItemArt {
    std::string name;  // display name
    Layout layout;
    Drawing draw;
};

// In selector order, with "Broad Sword" between "Two-handed Sword" and
// "Claymore".
const std::vector<ItemArt>& itemArts();

// Drawings that other pictures reuse.
void drawIngot(Painter& p, Rgb colour, int count);
void drawCrystalCluster(Painter& p, Rgb colour, std::uint32_t seed);
void drawStarCrumb(Painter& p);
void drawSword(Painter& p);

}  // namespace pic
