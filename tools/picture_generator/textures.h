// Sandy paper textures for the tiled wallpapers. Every texture wraps around
// at its edges, so the tiles join without seams.
#pragma once

#include <cstdint>

#include "formats.h"

namespace pic {

struct PaperStyle {
    Rgb base;
    double strength = 0.2;  // contrast of the mottling and grain
    std::uint32_t seed = 1;
    int grains = 400;  // dark and light sand specks
    int fibres = 30;   // short paper fibres
};

constexpr int kWallpaperSize = 128;

Image paperTexture(const PaperStyle& style);

}  // namespace pic
