// Draws every picture of the program and writes them below a root folder
// (default: the current directory):
//   images/...               bitmaps the program loads at run time
//   resources/pictures/...   pictures compiled into the program
//
// usage: picture_generator [ROOT]

#include <cctype>
#include <cmath>
#include <cstdio>
#include <exception>
#include <set>
#include <stdexcept>
#include <string>

#include "figure.h"
#include "formats.h"
#include "items.h"
#include "kit.h"
#include "smalls.h"
#include "textures.h"

namespace pic {
namespace {

constexpr std::size_t kRunTimeFiles = 112;
constexpr std::size_t kFourBitRows = 28;
constexpr std::size_t kJpegTargetSize = 2915;

const Rgb kWhite{1, 1, 1};
// Background of the character pictures: a sand tone close to the wallpapers,
// so that the anti-aliased rim of the figure blends in where it shows.
const Rgb kCharacterKey = hex(0xe4d4ae);
// Colour that the see-through star crumb picture is blended against.
const Rgb kSandMatte = hex(0xe0cfa4);

// Display name to picture key: lower case without blanks and grave accents.
std::string pictureKey(const std::string& name) {
    std::string key;
    for (const char c : name) {
        if (c != ' ' && c != '`') {
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
    }
    return key;
}

Placement rowPlacement(Layout layout) {
    Placement pl;
    pl.margin = 1.2;
    pl.angle = layout == Layout::Long ? 45 : (layout == Layout::Upright ? 30 : 0);
    return pl;
}

// A small picture on white, the colour of the rows and labels around it.
Image small(const Drawing& draw, const Placement& placement = rowPlacement(Layout::Compact)) {
    return flatten(withOutline(renderFitted(draw, 24, 24, placement), colour::kOutline, 0.9), kWhite);
}

// Big item picture: the item on a light panel with a thin frame.
Image big(const ItemArt& art) {
    Placement pl;
    pl.margin = 4;
    pl.maxScale = 1.0;
    pl.angle = art.layout == Layout::Long ? 36.87 : (art.layout == Layout::Upright ? 18 : 0);
    Layer panel(75, 100);
    Painter p(panel);
    p.rect(0, 0, 75, 100, radial({30, 38}, 70, hex(0xfffaf0), hex(0xe6d8bc)));
    p.fill({roundRectPoints(0, 0, 75, 100, 0), roundRectPoints(1, 1, 74, 99, 0)}, solid(hex(0xa08a64)),
           FillRule::EvenOdd);
    panel.drawOver(withOutline(renderFitted(art.draw, 75, 100, pl), colour::kOutline, 0.85, 0.22));
    return flatten(panel, kWhite);
}

class Writer {
public:
    explicit Writer(std::string root) : root_(std::move(root)) {}

    void runTime(const std::string& path, const Bytes& bytes) {
        if (!runTime_.insert(path).second) {
            throw std::logic_error("written twice: " + path);
        }
        writeFile(root_ + "/" + path, bytes);
    }
    void builtIn(const std::string& path, const Bytes& bytes) {
        writeFile(root_ + "/resources/pictures/" + path, bytes);
    }
    void installer(const std::string& path, const Bytes& bytes) {
        writeFile(root_ + "/resources/windows/" + path, bytes);
    }
    std::size_t runTimeCount() const { return runTime_.size(); }

private:
    std::string root_;
    std::set<std::string> runTime_;
};

const ItemArt& item(const std::string& name) {
    for (const ItemArt& a : itemArts()) {
        if (a.name == name) {
            return a;
        }
    }
    throw std::invalid_argument("no item " + name);
}

void writeCharacters(Writer& w) {
    const char* files[kCharacterStages - 1] = {"bs0", "bs41", "bs66", "bs81", "bs91"};
    for (int stage = 1; stage < kCharacterStages; ++stage) {
        w.runTime("images/" + std::string(files[stage - 1]) + ".bmp",
                  encodeBmp24(characterPicture(stage, kCharacterKey)));
    }
    w.builtIn("character.bmp", encodeBmp24(characterPicture(0, kCharacterKey)));
}

void writeItems(Writer& w) {
    std::size_t row = 0;
    for (const ItemArt& art : itemArts()) {
        const std::string key = pictureKey(art.name);
        w.runTime("images/big/" + key + ".bmp", encodeBmp24(big(art)));
        if (art.name == "Broad Sword") {
            continue;  // the selector does not offer it
        }
        const IndexedImage indexed = quantise(small(art.draw, rowPlacement(art.layout)), row < kFourBitRows ? 16 : 256);
        w.builtIn("rows/" + key + ".bmp", encodeBmpIndexed(indexed, row < kFourBitRows ? 4 : 8));
        ++row;
    }
}

void writeSmallRunTime(Writer& w) {
    for (const SmallArt& art : toolArts()) {
        w.runTime("images/" + pictureKey(art.name) + ".bmp", encodeBmp24(small(art.draw)));
    }
    for (const SmallArt& art : materialArts()) {
        w.runTime("images/" + pictureKey(art.name) + ".bmp", encodeBmp24(small(art.draw)));
    }
    for (const char* name : {"Flame Heart", "Great Nature", "Rough Wind", "Mystic Frozen", "Star Crumb", "Elunium"}) {
        w.runTime("images/" + pictureKey(name) + ".bmp", encodeBmp24(small(item(name).draw)));
    }
    w.runTime("images/phracon.bmp", encodeBmp24(small(drawPhracon)));
    w.runTime("images/emveretarcon.bmp", encodeBmp24(small(drawEmveretarcon)));
    w.runTime("images/empty.bmp", {});  // an empty picture that draws nothing
}

void writeIcon(Writer& w) {
    Placement pl;
    pl.margin = 1;
    const Layer layer = withOutline(renderFitted(drawAnvilAndHammer, 32, 32, pl), colour::kOutline, 1.0);
    const Image img = flattenMasked(layer, kWhite, 0.5, Rgb8{0, 0, 0});
    const IndexedImage indexed = quantise(img, 16, true);
    w.builtIn("icon.ico", encodeIco(indexed, img.opaque));
    // The PNG shows exactly the 16 colours of the icon.
    Image flat = img;
    for (std::size_t i = 0; i < flat.pixels.size(); ++i) {
        flat.pixels[i] = indexed.palette[indexed.indices[i]];
    }
    w.builtIn("icon.png", encodePng(flat));
}

// Searches texture strength and quality (and, if need be, further noise
// seeds) for a JPEG of exactly the wanted size, preferring settings close to
// quality 80 at strength 0.22; keeps the closest size if none is exact.
std::size_t writeRefineWallpaper(Writer& w) {
    Bytes best;
    double bestCost = 1e30;
    for (std::uint32_t seed = 5; seed < 13 && best.size() != kJpegTargetSize; ++seed) {
        for (int step = 0; step <= 80; ++step) {
            const PaperStyle style{hex(0xdcd0ac), 0.14 + step * 0.002, seed, 420, 34};
            const Image texture = paperTexture(style);
            for (int quality = 70; quality <= 90; ++quality) {
                const Bytes jpeg = encodeJpeg(texture, quality);
                const double miss = std::abs(static_cast<double>(jpeg.size()) - static_cast<double>(kJpegTargetSize));
                const double cost = miss * 1000 + std::abs(quality - 80) + std::abs(style.strength - 0.22) * 100;
                if (cost < bestCost) {
                    bestCost = cost;
                    best = jpeg;
                }
            }
        }
    }
    w.builtIn("wallpaper_refine.jpg", best);
    return best.size();
}

void writeBuiltIn(Writer& w) {
    w.builtIn("wallpaper_forge.bmp", encodeBmp24(paperTexture({hex(0xe2cfa2), 0.2, 1, 420, 30})));
    w.builtIn("wallpaper_result.bmp", encodeBmp24(paperTexture({hex(0xf0e6cc), 0.13, 3, 260, 24})));
    writeIcon(w);

    Placement crumb;
    crumb.margin = 1;
    const Image star = flattenMasked(withOutline(renderFitted(drawStarCrumb, 24, 24, crumb), colour::kOutline, 0.9),
                                     kSandMatte, 0.4, Rgb8{0, 0, 0});
    w.builtIn("starcrumb.gif", encodeGif(quantise(star, 32, true), 0));

    for (int cls = 1; cls <= 5; ++cls) {
        const Image img = small([cls](Painter& p) { drawRefineClass(p, cls); });
        const int bits = cls <= 3 ? 4 : 8;
        w.builtIn("refine_rows/class" + std::to_string(cls) + ".bmp", encodeBmpIndexed(quantise(img, 1 << bits), bits));
    }
    w.builtIn("material_phracon.bmp", encodeBmpIndexed(quantise(small(drawPhracon), 16), 4));
    w.builtIn("tick_on.bmp", encodeBmpIndexed(quantise(flatten(tickBox(true, true), kWhite), 16), 4));
    w.builtIn("tick_off.bmp", encodeBmpIndexed(quantise(flatten(tickBox(false, true), kWhite), 16), 4));
    w.builtIn("tick_disabled.bmp", encodeBmpIndexed(quantise(flatten(tickBox(false, false), kWhite), 16), 4));
}

// Lays the layer over the picture with its top left corner at (left, top).
void drawOver(Image& image, const Layer& layer, int left, int top) {
    for (int y = 0; y < layer.height(); ++y) {
        for (int x = 0; x < layer.width(); ++x) {
            const Rgba& px = layer.at(x, y);
            Rgb8& under = image.at(left + x, top + y);
            const auto channel = [&](double premultiplied, std::uint8_t below) {
                return premultiplied + (1 - px.a) * below / 255.0;
            };
            under = toRgb8(clamp01({channel(px.r, under.r), channel(px.g, under.g), channel(px.b, under.b)}));
        }
    }
}

// The side picture of the installer's welcome and finish pages, 164 x 314:
// the forging tab's sandy paper, the program's anvil and hammer above the
// blacksmith at his best.
void writeInstallerSide(Writer& w) {
    constexpr int kWidth = 164;
    constexpr int kHeight = 314;
    const Image paper = paperTexture({hex(0xe2cfa2), 0.2, 1, 420, 30});
    Image side{kWidth, kHeight, std::vector<Rgb8>(static_cast<std::size_t>(kWidth) * kHeight), {}};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) side.at(x, y) = paper.at(x % kWallpaperSize, y % kWallpaperSize);
    Placement pl;
    pl.margin = 4;
    drawOver(side, withOutline(renderFitted(drawAnvilAndHammer, 128, 128, pl), colour::kOutline, 1.0), 18, 24);
    const Image smith = characterPicture(kCharacterStages - 1, kCharacterKey);
    const Rgb8 key = toRgb8(kCharacterKey);
    for (int y = 0; y < kCharacterSize; ++y)
        for (int x = 0; x < kCharacterSize; ++x)
            if (!(smith.at(x, y) == key)) side.at(20 + x, 172 + y) = smith.at(x, y);
    w.installer("installer_side.bmp", encodeBmp24(side));
}

}  // namespace
}  // namespace pic

int main(int argc, char** argv) {
    using namespace pic;
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: %s [ROOT]\n", argv[0]);
        return 2;
    }
    try {
        Writer w(argc == 2 ? argv[1] : ".");
        writeCharacters(w);
        writeItems(w);
        writeSmallRunTime(w);
        if (w.runTimeCount() != kRunTimeFiles) {
            std::fprintf(stderr, "wrote %zu run-time pictures, expected %zu\n", w.runTimeCount(), kRunTimeFiles);
            return 1;
        }
        writeBuiltIn(w);
        writeInstallerSide(w);
        const std::size_t jpeg = writeRefineWallpaper(w);
        std::printf("%zu run-time pictures written; refining wallpaper JPEG is %zu bytes (aim %zu)\n", w.runTimeCount(),
                    jpeg, kJpegTargetSize);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "picture_generator: %s\n", e.what());
        return 1;
    }
}
