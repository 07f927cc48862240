// Finished pictures (8 bits per channel, optionally with a palette) and the
// file encoders: BMP (24, 8 and 4 bits per pixel), GIF89a with a transparent
// colour, ICO with an AND mask, PNG and JPEG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "raster.h"

namespace pic {

struct Rgb8 {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

Rgb8 toRgb8(Rgb c);

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels;  // top row first
    std::vector<bool> opaque;  // per pixel; empty means all opaque
    Rgb8& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Composites a layer over a flat background colour.
Image flatten(const Layer& layer, Rgb background);
// Keeps a mask: pixels with coverage below `threshold` become transparent
// (and get `transparentColour`), the others are composited over `matte`.
Image flattenMasked(const Layer& layer, Rgb matte, double threshold, Rgb8 transparentColour);

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;  // top row first
    std::vector<Rgb8> palette;
};

// Reduces the opaque pixels to at most `colours` palette entries (median cut
// refined by a few k-means rounds; exact when the picture has few colours).
// When `reserveTransparent` is set, palette entry 0 is black and is given
// to every transparent pixel.
IndexedImage quantise(const Image& image, int colours, bool reserveTransparent = false);

using Bytes = std::vector<std::uint8_t>;

Bytes encodeBmp24(const Image& image);
Bytes encodeBmpIndexed(const IndexedImage& image, int bitsPerPixel);  // 4 or 8
Bytes encodeGif(const IndexedImage& image, int transparentIndex);
Bytes encodeIco(const IndexedImage& image, const std::vector<bool>& opaque);  // 4-bit, 32 x 32
Bytes encodePng(const Image& image);                                          // RGBA, alpha from the mask
Bytes encodeJpeg(const Image& image, int quality);

void writeFile(const std::string& path, const Bytes& bytes);

}  // namespace pic
