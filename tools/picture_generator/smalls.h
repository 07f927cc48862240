// Drawings for the small pictures: forge materials, tools, refine materials,
// refine class rows, tick boxes and the program icon.
#pragma once

#include <string>
#include <vector>

#include "kit.h"

namespace pic {

struct SmallArt {
    std::string name;  // display name
    Drawing draw;
};

// The 33 forge materials; "Iron", "Steel" and "Oridecon" reuse the drawings
// of the resources of the same name.
const std::vector<SmallArt>& materialArts();
// "Mini Furnace", "Iron Hammer", "Golden Hammer", "Oridecon Hammer".
const std::vector<SmallArt>& toolArts();

void drawPhracon(Painter& p);
void drawEmveretarcon(Painter& p);
// Refine classes 1 to 4 are weapon levels, 5 is armour.
void drawRefineClass(Painter& p, int refineClass);
void drawAnvilAndHammer(Painter& p);

// A 10 x 10 check box drawn pixel by pixel: ticked or empty, enabled or
// greyed.
Layer tickBox(bool ticked, bool enabled);

}  // namespace pic
