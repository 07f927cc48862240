// The blacksmith character, drawn at 125 x 125 pixels in six stages of
// equipment: 0 is the novice, 1 to 5 follow the base level thresholds.
#pragma once

#include "formats.h"

namespace pic {

constexpr int kCharacterSize = 125;
constexpr int kCharacterStages = 6;

// The figure on a uniform `key` background (shown see-through by the
// program, which keys on the bottom-left pixel). No figure pixel has the
// key colour, and the figure keeps clear of the bottom-left corner.
Image characterPicture(int stage, Rgb key);

}  // namespace pic
