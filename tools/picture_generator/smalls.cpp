#include "smalls.h"

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "items.h"

namespace pic {

namespace {

using namespace colour;

constexpr double kPi = std::numbers::pi;
const Rgb kWhite{1, 1, 1};

const Drawing& itemDrawing(const std::string& name) {
    for (const ItemArt& a : itemArts()) {
        if (a.name == name) {
            return a.draw;
        }
    }
    throw std::invalid_argument("no item drawing for " + name);
}

// ---- Gems: one function per cut, coloured per gem ------------------------

// Side view of a brilliant: crown above the girdle, pointed pavilion below.
void brilliant(Painter& p, Rgb c, bool cracked) {
    const Vec2 t0{-14, -18}, t1{14, -18}, g0{-30, -6}, g1{30, -6}, tip{0, 30};
    p.polygon({t0, t1, g1, tip, g0}, solid(shade(c, 0.7)));
    p.polygon({t0, {-4, -18}, {-10, -6}, g0}, solid(shade(c, 1.35)));
    p.polygon({{-4, -18}, {4, -18}, {10, -6}, {-10, -6}}, solid(shade(c, 1.6)));
    p.polygon({{4, -18}, t1, g1, {10, -6}}, solid(shade(c, 1.05)));
    p.polygon({g0, {-10, -6}, tip}, solid(shade(c, 1.2)));
    p.polygon({{-10, -6}, {10, -6}, tip}, solid(shade(c, 0.95)));
    p.polygon({{10, -6}, g1, tip}, solid(shade(c, 0.65)));
    if (cracked) {
        p.polyline({{-18, -14}, {-8, -8}, {-12, 2}, {-2, 10}, {-4, 20}}, 1.8, solid(hex(0x303038), 0.9));
        p.polyline({{-8, -8}, {6, -12}}, 1.4, solid(hex(0x303038), 0.9));
    } else {
        p.polygon(starPoints({-16, -22}, 4, 9, 1.8), solid(kWhite));
    }
}

// Oval or round stone seen from above: dark rim, facets, bright table.
void faceted(Painter& p, Rgb c, double rx, double ry, int facets) {
    p.ellipse({0, 0}, rx, ry, solid(shade(c, 0.6)));
    const Contour outer = ellipsePoints({0, 0}, rx * 0.96, ry * 0.96, facets);
    const Contour inner = ellipsePoints({0, 0}, rx * 0.55, ry * 0.55, facets);
    for (int i = 0; i < facets; ++i) {
        const int j = (i + 1) % facets;
        const double light = 0.75 + 0.55 * (0.5 - 0.5 * std::cos((i + 0.5) * 2 * kPi / facets + kPi * 0.25));
        p.polygon({outer[i], outer[j], inner[j], inner[i]}, solid(shade(c, light)));
    }
    p.polygon(inner, linear({-rx * 0.5, -ry * 0.5}, shade(c, 1.5), {rx * 0.5, ry * 0.5}, shade(c, 0.95)));
    p.polygon(starPoints({-rx * 0.35, -ry * 0.35}, 4, std::min(rx, ry) * 0.3, 1.4), solid(kWhite, 0.95));
}

// Rectangular step cut (octagon with cut corners) seen from above.
void stepCut(Painter& p, Rgb c, double hw, double hh) {
    auto octagon = [](double w, double h, double k) {
        return Contour{{-w + k, -h}, {w - k, -h}, {w, -h + k}, {w, h - k},
                       {w - k, h},   {-w + k, h}, {-w, h - k}, {-w, -h + k}};
    };
    const double lights[3] = {0.6, 1.0, 1.35};
    for (int i = 0; i < 3; ++i) {
        const double f = 1.0 - i * 0.25;
        p.polygon(octagon(hw * f, hh * f, 8 * f),
                  linear({-hw, -hh}, shade(c, lights[i] * 1.15), {hw, hh}, shade(c, lights[i] * 0.8)));
    }
    p.polygon(starPoints({-hw * 0.4, -hh * 0.4}, 4, 7, 1.4), solid(kWhite, 0.95));
}

// Cushion: rounded square with crown facets.
void cushion(Painter& p, Rgb c) {
    p.roundRect(-26, -24, 26, 24, 12, solid(shade(c, 0.6)));
    const Vec2 corners[4] = {{-24, -22}, {24, -22}, {24, 22}, {-24, 22}};
    const double light[4] = {1.35, 1.0, 0.7, 1.0};
    for (int i = 0; i < 4; ++i) {
        const Vec2 a = corners[i], b = corners[(i + 1) % 4];
        p.polygon({a, b, b * 0.45, a * 0.45}, solid(shade(c, light[i])));
    }
    p.polygon({corners[0] * 0.45, corners[1] * 0.45, corners[2] * 0.45, corners[3] * 0.45}, solid(shade(c, 1.3)));
    p.polygon(starPoints({-10, -9}, 4, 7, 1.4), solid(kWhite, 0.95));
}

void pear(Painter& p, Rgb c) {
    Contour drop = curve({0, -30}, {-30, 8}, {0, 28}, 20);
    const std::vector<Vec2> back = curve({0, 28}, {30, 8}, {0, -30}, 20);
    drop.insert(drop.end(), back.begin() + 1, back.end() - 1);
    p.polygon(drop, solid(shade(c, 0.65)));
    p.polygon({{0, -26}, {-14, 6}, {0, 22}}, solid(shade(c, 1.35)));
    p.polygon({{0, -26}, {14, 6}, {0, 22}}, solid(shade(c, 0.9)));
    p.polygon({{0, -14}, {-7, 6}, {0, 14}, {7, 6}}, solid(shade(c, 1.6)));
    p.polygon(starPoints({-8, -4}, 4, 7, 1.4), solid(kWhite, 0.95));
}

void opal(Painter& p) {
    const Rgb milk = hex(0xe4eef4);
    p.ellipse({0, 0}, 28, 22, sphere(milk, {0, 0}, 26));
    Rng r(17);
    const Rgb fire[5] = {hex(0xff6080), hex(0x60d0ff), hex(0x80f080), hex(0xffd040), hex(0xb080ff)};
    for (int i = 0; i < 16; ++i) {
        const double a = r.range(0, 2 * kPi), d = r.range(0, 17);
        p.ellipse({d * std::cos(a) * 1.1, d * std::sin(a) * 0.85}, r.range(3, 6), r.range(2, 4),
                  solid(fire[i % 5], 0.7));
    }
    p.ellipse({-9, -9}, 8, 4, solid(kWhite, 0.8));
}

void cursedRuby(Painter& p) {
    for (int i = 0; i < 3; ++i) {  // dark smoke rising from the stone
        const double x = -14 + i * 14;
        p.polyline(curve({x, -12}, {x - 8, -26}, {x + 2, -36}), 3.2, solid(hex(0x50207a), 0.75));
    }
    cushion(p, hex(0x7a0a1e));
    p.polyline({{-12, 4}, {-3, -3}, {2, 6}, {12, -2}}, 2.0, solid(hex(0x1a0008), 0.9));
}

// ---- Ores and rocks --------------------------------------------------------

Contour rockOutline(std::uint32_t seed, double rx, double ry) {
    Rng r(seed);
    Contour c;
    for (int i = 0; i < 9; ++i) {
        const double a = i * 2 * kPi / 9 + r.range(-0.15, 0.15);
        const double k = r.range(0.82, 1.0);
        c.push_back({rx * k * std::cos(a), ry * k * std::sin(a)});
    }
    return c;
}

void rock(Painter& p, Rgb c, std::uint32_t seed) {
    const Contour outline = rockOutline(seed, 30, 24);
    p.polygon(outline, sphere(c, {0, 0}, 28));
    for (std::size_t i = 5; i < 8; ++i) {  // upper left facets catch the light
        p.polygon({{-5, -4}, outline[i], outline[i + 1]}, solid(kWhite, 0.1 + 0.05 * static_cast<double>(i - 5)));
    }
}

void flecks(Painter& p, Rgb c, std::uint32_t seed, int count, double size) {
    Rng r(seed);
    for (int i = 0; i < count; ++i) {
        const Vec2 at{r.range(-19, 19), r.range(-14, 14)};
        p.polygon(starPoints(at, 3, size, size * 0.55, r.range(0, 120)), sphere(c, at, size));
    }
}

void shards(Painter& p, Rgb c, std::uint32_t seed) {
    Rng r(seed);
    for (int i = 0; i < 4; ++i) {
        const Vec2 base{-15.0 + i * 10 + r.range(-2, 2), -6 + r.range(-3, 3)};
        const double h = r.range(14, 22), w = r.range(4, 6);
        p.save();
        p.translate(base.x, base.y);
        p.rotate(r.range(-25, 25));
        p.polygon({{-w, 0}, {-w, -h * 0.7}, {0, -h}, {0, 0}}, solid(shade(c, 1.3)));
        p.polygon({{0, 0}, {0, -h}, {w, -h * 0.7}, {w, 0}}, solid(shade(c, 0.8)));
        p.restore();
    }
}

void ironOre(Painter& p) {
    rock(p, hex(0x7a6a5c), 3);
    flecks(p, hex(0xa0a4ac), 5, 7, 4.5);
    flecks(p, hex(0xa85a28), 8, 4, 3);
}

void roughOridecon(Painter& p) {
    rock(p, hex(0x5a5560), 12);
    shards(p, hex(0x6a58d8), 4);
}

void roughElunium(Painter& p) {
    rock(p, hex(0x807870), 15);
    shards(p, hex(0xeeeaf8), 6);
}

void coal(Painter& p) {
    rock(p, hex(0x2c2c32), 21);
    flecks(p, hex(0x707888), 9, 5, 3.5);
}

// ---- Crystals ----------------------------------------------------------------

void prism(Painter& p, Rgb c, double angle) {
    p.save();
    p.rotate(angle);
    p.polygon({{-11, 26}, {-11, -14}, {0, -32}, {0, 30}}, linear({-11, 0}, shade(c, 1.45), {0, 0}, shade(c, 1.1)));
    p.polygon({{0, 30}, {0, -32}, {11, -14}, {11, 26}}, linear({0, 0}, shade(c, 0.8), {11, 0}, shade(c, 0.55)));
    p.line({-6, 20}, {-6, -14}, 1.6, solid(kWhite, 0.6));
    p.restore();
}

void crystalBlue(Painter& p) {
    prism(p, hex(0x3a8ae0), 0);
    p.save();
    p.translate(16, 12);
    p.scale(0.55);
    prism(p, hex(0x3a8ae0), 25);
    p.restore();
}

void windOfVerdure(Painter& p) {
    prism(p, hex(0xb0e060), 15);
    for (int i = 0; i < 2; ++i) {
        const double y = -8 + i * 18;
        p.polyline(curve({-30, y + 6}, {0, y - 12}, {28, y}), 2.4, solid(hex(0xfcfff0), 0.9));
    }
}

void redBlood(Painter& p) {
    pear(p, hex(0xc01020));
    p.polyline(curve({-4, 14}, {-10, 0}, {-4, -12}), 1.6, solid(hex(0xff8090), 0.7));
}

void greenLive(Painter& p) {
    p.save();
    p.translate(0, 6);
    faceted(p, hex(0x2aa040), 24, 22, 7);
    p.restore();
    Contour leaf = curve({2, -14}, {6, -34}, {24, -32}, 10);
    const std::vector<Vec2> back = curve({24, -32}, {18, -16}, {2, -14}, 10);
    leaf.insert(leaf.end(), back.begin(), back.end());
    p.polygon(leaf, linear({2, -14}, hex(0x207a20), {24, -32}, hex(0x9ae060)));
}

// ---- Monster drops -----------------------------------------------------------

void decayedNail(Painter& p) {
    const Rgb rust = hex(0x8a5a3a);
    p.save();
    p.rotate(35);
    p.polygon({{-3, -24}, {3, -24}, {3, 14}, {6, 20}, {3, 30}, {0, 38}, {-2, 28}, {-3, 14}}, cylinder(rust, -3, 3));
    p.roundRect(-10, -30, 10, -23, 2, cylinderAcross(hex(0x6a6058), -30, -23));
    p.circle({1, 0}, 2.5, solid(hex(0xb06a30), 0.8));
    p.circle({-1, 12}, 2, solid(hex(0x4a2a1a), 0.7));
    p.restore();
}

void evilHorn(Painter& p) {
    Contour horn = curve({-22, 30}, {-30, -10}, {16, -34}, 20);
    const std::vector<Vec2> inner = curve({16, -34}, {-12, -10}, {-4, 30}, 20);
    horn.insert(horn.end(), inner.begin() + 1, inner.end());
    p.polygon(horn, linear({-14, 30}, hex(0x2a1a30), {16, -34}, hex(0xd02828)));
    for (int i = 1; i < 5; ++i) {  // growth rings
        const Vec2 a = curve({-22, 30}, {-30, -10}, {16, -34}, 5)[i];
        const Vec2 b = curve({-4, 30}, {-12, -10}, {16, -34}, 5)[i];
        p.line(a, b, 1.2, solid(hex(0x12080e), 0.7));
    }
}

void heroicEmblem(Painter& p) {
    p.polygon({{-12, -32}, {-2, -32}, {-6, -6}, {-16, -10}}, solid(hex(0xc02020)));
    p.polygon({{12, -32}, {2, -32}, {6, -6}, {16, -10}}, solid(hex(0x2040c0)));
    p.circle({0, 8}, 22, sphere(kGold, {0, 8}, 22));
    p.ring({0, 8}, 18, 16, solid(shade(kGold, 0.7)));
    p.polygon(starPoints({0, 8}, 5, 12, 5), linear({-10, -4}, hex(0xfff4b0), {10, 18}, hex(0xc08010)));
}

void horrendousMouth(Painter& p) {
    p.ellipse({0, 0}, 32, 22, sphere(hex(0xa02838), {0, 0}, 30));  // lips
    p.ellipse({0, 0}, 24, 14, solid(hex(0x200810)));
    for (int i = 0; i < 5; ++i) {
        const double x = -16 + i * 8;
        const double sag = 4 - std::abs(x) * 0.15;
        p.polygon({{x - 4, -12 + sag * 0.2}, {x + 4, -12 + sag * 0.2}, {x, -2}}, solid(hex(0xf4f0e0)));
        p.polygon({{x - 4, 12 - sag * 0.2}, {x + 4, 12 - sag * 0.2}, {x, 3}}, solid(hex(0xe4dcc8)));
    }
    p.ellipse({0, 8}, 9, 3.5, solid(hex(0xd04a60)));  // tongue
}

void jellopy(Painter& p) {
    Contour blob = curve({-26, 18}, {-30, -14}, {0, -26}, 16);
    const std::vector<Vec2> right = curve({0, -26}, {34, -16}, {26, 18}, 16);
    blob.insert(blob.end(), right.begin() + 1, right.end());
    const std::vector<Vec2> bottom = curve({26, 18}, {0, 28}, {-26, 18}, 12);
    blob.insert(blob.end(), bottom.begin() + 1, bottom.end() - 1);
    p.polygon(blob, sphere(hex(0x9ce0d0), {0, 0}, 28, 0.92));
    p.ellipse({-10, -10}, 8, 5, solid(kWhite, 0.85));
    p.circle({10, 6}, 2.5, solid(kWhite, 0.6));
}

void orcsFang(Painter& p) {
    Contour fang = curve({-14, 30}, {-24, -6}, {14, -34}, 20);
    const std::vector<Vec2> inner = curve({14, -34}, {-6, -6}, {6, 30}, 20);
    fang.insert(fang.end(), inner.begin() + 1, inner.end());
    p.polygon(fang, linear({-10, 30}, hex(0xb09060), {14, -34}, hex(0xfff8e4)));
    p.roundRect(-16, 22, 8, 34, 4, cylinderAcross(hex(0x7a4a2a), 22, 34));  // root
}

void pearl(Painter& p) {
    p.ellipse({0, 22}, 26, 7, solid(hex(0x5a80b0), 0.8));  // open shell below
    p.circle({0, 0}, 22, sphere(hex(0xf4eef0), {0, 0}, 22));
    p.ellipse({6, 8}, 10, 6, solid(hex(0xf0c8e0), 0.45));
}

void sharpScale(Painter& p) {
    Contour scale = curve({-24, -18}, {-26, 16}, {0, 34}, 16);
    const std::vector<Vec2> right = curve({0, 34}, {26, 16}, {24, -18}, 16);
    scale.insert(scale.end(), right.begin() + 1, right.end());
    const std::vector<Vec2> top = curve({24, -18}, {0, -30}, {-24, -18}, 12);
    scale.insert(scale.end(), top.begin() + 1, top.end() - 1);
    p.polygon(scale, linear({-24, -24}, hex(0x9ae0c8), {20, 30}, hex(0x1a6a5a)));
    for (int i = -1; i <= 1; ++i) {
        p.line({i * 9.0, -18}, {i * 4.0, 26}, 1.6, solid(hex(0x0e4a3e), 0.7));
    }
    p.polygon({{-4, 24}, {0, 40}, {4, 24}}, solid(hex(0xe0fff4)));
}

void starDust(Painter& p) {
    Rng r(29);
    p.ellipse({0, 14}, 30, 13, sphere(hex(0xe8b0d8), {0, 14}, 26));  // a little heap
    for (int i = 0; i < 18; ++i) {
        const Vec2 at{r.range(-24, 24), r.range(6, 22)};
        p.circle(at, r.range(1.2, 2.4), solid(i % 2 ? hex(0xfff4a0) : kWhite));
    }
    p.polygon(starPoints({-10, -14}, 4, 12, 2.4), solid(hex(0xfff0a0)));
    p.polygon(starPoints({14, -22}, 4, 8, 1.8), solid(kWhite));
}

void toothOfBat(Painter& p) {
    for (const double s : {-1.0, 1.0}) {
        const double x = s * 11;
        Contour tooth = curve({x - 9, -20}, {x - 8, 10}, {x + s * 3, 30}, 14);
        const std::vector<Vec2> back = curve({x + s * 3, 30}, {x + 8, 8}, {x + 9, -20}, 14);
        tooth.insert(tooth.end(), back.begin() + 1, back.end() - 1);
        p.polygon(tooth, linear({x - 9, 0}, hex(0xfffcf0), {x + 9, 0}, hex(0xb8b0a0)));
    }
    p.roundRect(-24, -30, 24, -16, 6, cylinderAcross(hex(0x8a5a6a), -30, -16));  // gum
}

void wolfClaw(Painter& p) {
    p.ellipse({0, 20}, 26, 14, sphere(hex(0x8a8078), {0, 20}, 24));  // fur of the paw
    for (int i = 0; i < 3; ++i) {
        const double x = -14 + i * 14;
        Contour claw = curve({x - 5, 12}, {x - 6, -14}, {x + 8, -30}, 12);
        const std::vector<Vec2> back = curve({x + 8, -30}, {x + 2, -12}, {x + 5, 12}, 12);
        claw.insert(claw.end(), back.begin() + 1, back.end() - 1);
        p.polygon(claw, linear({x - 5, 10}, hex(0x4a4440), {x + 8, -30}, hex(0xe8e0d0)));
    }
}

// ---- Tools -------------------------------------------------------------------

void hammerTool(Painter& p, Rgb head) {
    p.save();
    p.rotate(40);
    shaft(p, -20, 44, 3.6, kWood, true);
    p.roundRect(-20, -34, 20, -16, 3, cylinderAcross(head, -34, -16));
    p.roundRect(-22, -35, -16, -15, 2, cylinderAcross(shade(head, 0.8), -35, -15));
    p.roundRect(16, -35, 22, -15, 2, cylinderAcross(shade(head, 0.8), -35, -15));
    p.restore();
}

void miniFurnace(Painter& p) {
    const Rgb brick = hex(0x9a5a40);
    p.roundRect(10, -40, 20, -16, 1, cylinder(hex(0x6a6060), 10, 20));  // chimney
    p.roundRect(-28, -20, 28, 30, 4, cylinder(brick, -28, 28));
    for (int row = 0; row < 4; ++row) {
        const double y = -10 + row * 10;
        p.line({-27, y}, {27, y}, 1.0, solid(hex(0x5a3020), 0.8));
    }
    p.roundRect(-30, -24, 30, -16, 2, cylinderAcross(hex(0x7a7070), -24, -16));
    Contour mouth = roundRectPoints(-14, -4, 14, 30, 13);
    p.polygon(mouth, solid(hex(0x301008)));
    Contour flame = curve({-10, 28}, {-14, 6}, {-2, -4}, 10);
    const std::vector<Vec2> right = curve({-2, -4}, {0, 8}, {6, 2}, 6);
    flame.insert(flame.end(), right.begin() + 1, right.end());
    const std::vector<Vec2> back = curve({6, 2}, {14, 16}, {10, 28}, 8);
    flame.insert(flame.end(), back.begin() + 1, back.end());
    p.polygon(flame, linear({0, 28}, hex(0xfff080), {0, -4}, hex(0xff5010)));
}

// ---- Refine materials ----------------------------------------------------------

void glowingPebble(Painter& p, Rgb c, std::uint32_t seed, double rx, double ry) {
    const Contour outline = rockOutline(seed, rx, ry);
    p.polygon(outline, sphere(c, {0, 0}, std::max(rx, ry)));
    p.ellipse({-rx * 0.3, -ry * 0.35}, rx * 0.3, ry * 0.2, solid(kWhite, 0.65));
    p.polygon(starPoints({rx * 0.9, -ry * 0.9}, 4, 10, 1.8), solid(hex(0xfffce0)));
    p.polygon(starPoints({-rx * 0.95, ry * 0.7}, 4, 6, 1.4), solid(hex(0xfffce0)));
}

}  // namespace

void drawPhracon(Painter& p) { glowingPebble(p, hex(0xe8b84a), 31, 24, 20); }
void drawEmveretarcon(Painter& p) { glowingPebble(p, hex(0x3ab0a8), 47, 22, 24); }

void drawRefineClass(Painter& p, int refineClass) {
    if (refineClass == 5) {
        // Chest armour: shoulders, neck opening, a waist and a gold rim.
        const Contour cuirass{{-14, -30}, {-6, -22}, {6, -22},  {14, -30}, {30, -24}, {28, -8},  {20, -4},  {20, 16},
                              {24, 30},   {0, 34},   {-24, 30}, {-20, 16}, {-20, -4}, {-28, -8}, {-30, -24}};
        p.polygon(cuirass, cylinder(kSteel, -30, 30));
        p.line({0, -20}, {0, 32}, 1.6, solid(shade(kSteel, 0.6), 0.8));
        p.polyline({{-14, -30}, {-6, -22}, {6, -22}, {14, -30}}, 2.4, solid(kGold));
        p.polyline({{-24, 30}, {0, 34}, {24, 30}}, 2.4, solid(kGold));
        p.ellipse({-24, -20}, 8, 6, sphere(kSteel, {-24, -20}, 8));
        p.ellipse({24, -20}, 8, 6, sphere(kSteel, {24, -20}, 8));
        return;
    }
    if (refineClass < 1 || refineClass > 4) {
        throw std::invalid_argument("refine class out of range");
    }
    p.save();
    p.rotate(45);
    drawSword(p);
    p.restore();
    // One gold pip per weapon level, in a row parallel to the blade.
    for (int i = 0; i < refineClass; ++i) {
        const Vec2 at{-44.0 + i * 11, -10.0 - i * 11};
        p.polygon(starPoints(at, 4, 8, 3.2), linear(at + Vec2{-6, -6}, hex(0xfff4a0), at + Vec2{6, 6}, hex(0xd09010)));
    }
}

void drawAnvilAndHammer(Painter& p) {
    const Rgb anvil = hex(0x4a4e58);
    p.polygon({{-40, -6}, {-22, -12}, {30, -12}, {30, 2}, {-10, 2}, {-26, 0}},
              cylinderAcross(anvil, -12, 2));                                              // face and horn
    p.polygon({{-10, 2}, {22, 2}, {14, 14}, {-4, 14}}, solid(shade(anvil, 0.8)));          // waist
    p.polygon({{-16, 14}, {26, 14}, {32, 26}, {-22, 26}}, cylinderAcross(anvil, 14, 26));  // foot
    p.line({-22, -11}, {28, -11}, 1.8, solid(hex(0xb8c0cc)));                              // polished top
    p.save();
    p.translate(8, -26);
    p.rotate(-35);
    p.roundRect(-2.8, -4, 2.8, 30, 1.5, cylinder(kWood, -2.8, 2.8));
    p.roundRect(-13, -14, 13, -2, 2.5, cylinderAcross(hex(0xb0b6c0), -14, -2));
    p.restore();
    p.polygon(starPoints({-10, -24}, 4, 8, 2), solid(hex(0xffd040)));
}

Layer tickBox(bool ticked, bool enabled) {
    Layer l(10, 10);
    const Rgb frame = enabled ? hex(0x404650) : hex(0xa0a4a8);
    const Rgb face = enabled ? kWhite : hex(0xe2e2e2);
    const Rgb shadowLine = enabled ? hex(0xb0b4bc) : hex(0xcacaca);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool border = x == 0 || y == 0 || x == 9 || y == 9;
            const bool innerShadow = !border && (x == 1 || y == 1);
            l.blend(x, y, border ? frame : (innerShadow ? shadowLine : face), 1.0);
        }
    }
    if (ticked) {
        Painter p(l);
        p.polyline({{2.3, 4.8}, {4.2, 6.9}, {7.7, 2.6}}, 1.7, solid(enabled ? hex(0x187a28) : hex(0x909090)), 1.7);
    }
    return l;
}

const std::vector<SmallArt>& materialArts() {
    static const std::vector<SmallArt> arts{
        {"1carat Diamond", [](Painter& p) { brilliant(p, hex(0xd8f0ff), false); }},
        {"Amethyst", [](Painter& p) { faceted(p, hex(0x9a50d0), 26, 26, 6); }},
        {"Aquamarine", [](Painter& p) { stepCut(p, hex(0x60d0d8), 26, 20); }},
        {"Coal", coal},
        {"Cracked Diamond", [](Painter& p) { brilliant(p, hex(0xb8c4cc), true); }},
        {"Crystal Blue", crystalBlue},
        {"Cursed Ruby", cursedRuby},
        {"Decayed Nail", decayedNail},
        {"Evil Horn", evilHorn},
        {"Garnet", [](Painter& p) { faceted(p, hex(0x901828), 26, 26, 8); }},
        {"Green Live", greenLive},
        {"Heroic Emblem", heroicEmblem},
        {"Horrendous Mouth", horrendousMouth},
        {"Iron", itemDrawing("Iron")},
        {"Iron Ore", ironOre},
        {"Jellopy", jellopy},
        {"Opal", opal},
        {"Orc`s Fang", orcsFang},
        {"Oridecon", itemDrawing("Oridecon")},
        {"Pearl", pearl},
        {"Red Blood", redBlood},
        {"Rough Elunium", roughElunium},
        {"Rough Oridecon", roughOridecon},
        {"Ruby", [](Painter& p) { cushion(p, hex(0xe01830)); }},
        {"Sapphire", [](Painter& p) { faceted(p, hex(0x2050d8), 22, 28, 10); }},
        {"Sharp Scale", sharpScale},
        {"Star Dust", starDust},
        {"Steel", itemDrawing("Steel")},
        {"Tooth of Bat", toothOfBat},
        {"Topaz", [](Painter& p) { pear(p, hex(0xf0a028)); }},
        {"Wind of Verdure", windOfVerdure},
        {"Wolf Claw", wolfClaw},
        {"Zircon", [](Painter& p) { stepCut(p, hex(0xb0e4ff), 22, 22); }},
    };
    return arts;
}

const std::vector<SmallArt>& toolArts() {
    static const std::vector<SmallArt> arts{
        {"Mini Furnace", miniFurnace},
        {"Iron Hammer", [](Painter& p) { hammerTool(p, hex(0x8e949c)); }},
        {"Golden Hammer", [](Painter& p) { hammerTool(p, kGold); }},
        {"Oridecon Hammer", [](Painter& p) { hammerTool(p, hex(0x7a68e0)); }},
    };
    return arts;
}

}  // namespace pic
