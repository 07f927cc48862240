#include "items.h"

#include <cmath>
#include <numbers>

namespace pic {

namespace {

using namespace colour;

constexpr double kPi = std::numbers::pi;

void pommel(Painter& p, double y, double r, Rgb c) { p.circle({0, y}, r, sphere(c, {0, y}, r)); }

void band(Painter& p, double y, double hw, double h, Rgb c) {
    p.roundRect(-hw, y - h / 2, hw, y + h / 2, h * 0.3, cylinder(c, -hw, hw));
}

// ---- Knives --------------------------------------------------------------

void knife(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 8,
                         .length = 36,
                         .curve = 2.2,
                         .left = [](double t) { return 4.6 * (1 - std::pow(t, 2.5)); },
                         .right = [](double t) { return 1.6 * (1 - t * t); }}),
              metal(kIron), Edge::Single);
    p.roundRect(-4.2, 6, 4.2, 10, 1.2, cylinderAcross(kIron, 6, 10));
    grip(p, 10, 32, 3.4, kLightWood, 0, kWood);
    p.circle({0, 16}, 0.9, solid(kSilver));
    p.circle({0, 26}, 0.9, solid(kSilver));
}

void cutter(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 6,
                         .length = 36,
                         .left = [](double t) { return t < 0.78 ? 6.5 + t : 7.3 * (1 - (t - 0.78) / 0.22); },
                         .right = [](double t) { return t < 0.9 ? 1.8 : 1.8 * (1 - t) / 0.1; }}),
              metal(hex(0xa6adb8)), Edge::Single);
    p.circle({3.3, -4}, 1.4, solid(kOutline, 0.9));  // thumb hole
    grip(p, 6, 30, 3.6, hex(0x8c2a1c), 3, hex(0x5a160e));
    p.ring({0, 33}, 3.6, 2.0, solid(kBrass));
}

void mainGauche(Painter& p) {
    drawBlade(p, makeBlade({.baseY = 4, .length = 40, .left = taper(3.0, 0.25), .right = taper(3.0, 0.25)}),
              metal(kIron), Edge::Double);
    p.ellipse({0, 5}, 10.5, 4.5, sphere(kGold, {-2, 4}, 10));  // shell guard
    crossGuard(p, 3.5, 15, 2.2, kGold);
    p.circle({-15, 3.5}, 1.8, sphere(kGold, {-15, 3.5}, 1.8));
    p.circle({15, 3.5}, 1.8, sphere(kGold, {15, 3.5}, 1.8));
    grip(p, 7, 24, 2.6, hex(0x4a5a7a), 5, kSilver);
    p.polyline(curve({-9, 6}, {-12, 20}, {-1, 26}), 1.6, solid(kGold));  // knuckle bow
    pommel(p, 26.5, 3.4, kGold);
}

void dirk(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 6,
                         .length = 44,
                         .left = [](double t) { return 3.4 * (1 - t); },
                         .right = [](double t) { return 3.4 * (1 - t); }}),
              metal(kSteel), Edge::Double, true);
    p.polyline({{-7, 8.5}, {-6, 5.5}, {6, 5.5}, {7, 8.5}}, 1.8, solid(kDarkIron));
    grip(p, 6, 26, 3.0, kBlack, 6, hex(0x8a7a60));
    p.roundRect(-4.2, 25.5, 4.2, 29, 1.2, cylinder(kSilver, -4.2, 4.2));
}

void dagger(Painter& p) {
    drawBlade(
        p,
        makeBlade({.baseY = 6,
                   .length = 38,
                   .left = [](double t) { return 4.4 * std::pow(1 - t, 0.75) * (0.9 + 0.25 * std::sin(t * kPi)); },
                   .right = [](double t) { return 4.4 * std::pow(1 - t, 0.75) * (0.9 + 0.25 * std::sin(t * kPi)); }}),
        metal(kSteel), Edge::Double);
    crossGuard(p, 6, 11, 2.6, kSteel);
    p.circle({-11, 6}, 2.0, sphere(kSteel, {-11, 6}, 2));
    p.circle({11, 6}, 2.0, sphere(kSteel, {11, 6}, 2));
    gem(p, {0, 6}, 1.9, kBlue);
    grip(p, 7.5, 24, 2.7, kLeather, 4, hex(0x3e2412));
    pommel(p, 26, 3.3, kSteel);
}

void stiletto(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 5,
                         .length = 48,
                         .left = [](double t) { return 1.8 * (1 - t); },
                         .right = [](double t) { return 1.8 * (1 - t); }}),
              metal(kSteel), Edge::Double);
    p.ellipse({0, 5}, 6, 2.2, cylinderAcross(kDarkIron, 3, 7));
    grip(p, 7, 24, 2.2, hex(0x6a1f2c), 5, hex(0x3a0f18));
    p.ring({0, 27}, 3.0, 1.6, solid(kDarkIron));
}

void gladius(Painter& p) {
    auto leaf = [](double t) { return t < 0.8 ? 4.6 * (1 + 0.22 * std::sin(t / 0.8 * kPi)) : 4.6 * (1 - t) / 0.2; };
    drawBlade(p, makeBlade({.baseY = 6, .length = 40, .left = leaf, .right = leaf}), metal(kOridecon), Edge::Double,
              true);
    p.ellipse({0, 7}, 8.5, 3.2, cylinderAcross(kIvory, 4, 10));
    grip(p, 9, 30, 3.0, kIvory, 5, hex(0xb8a070));
    pommel(p, 33, 5.0, kIvory);
    gem(p, {0, 33}, 2.2, hex(0x2050d0));
}

void damascus(Painter& p) {
    const Ribbon blade = makeBlade({.baseY = 6,
                                    .length = 40,
                                    .curve = 3.5,
                                    .left = [](double t) { return 4.0 * (1 - std::pow(t, 3)); },
                                    .right = [](double t) { return 2.4 * (1 - std::pow(t, 3)); }});
    // Folded steel: wavy light and dark bands.
    Paint pattern{[](Vec2 q) {
                      const double v = 0.5 + 0.5 * std::sin(q.y * 1.3 + q.x * 1.6 + 3 * std::sin(q.y * 0.35));
                      return mix(hex(0x6e7688), hex(0xd4d8e4), v);
                  },
                  1.0};
    p.polygon(blade.outline(), pattern);
    p.polygon(blade.rightHalf(), solid(Rgb{0, 0, 0.05}, 0.22));
    p.polyline({{-9, 9}, {-8, 5.5}, {-3, 6}, {3, 6}, {8, 5.5}, {9, 2}}, 1.8, solid(kGold));
    grip(p, 7, 26, 2.7, kBlack, 0, kBlack);
    band(p, 12, 2.9, 1.4, kGold);
    band(p, 20, 2.9, 1.4, kGold);
    pommel(p, 28.5, 3.2, kGold);
    gem(p, {0, 28.5}, 1.9, hex(0x9fe0f0));
}

// ---- One-handed swords ---------------------------------------------------

void sword(Painter& p) {
    drawBlade(p, makeBlade({.baseY = 14, .length = 62, .left = taper(3.8, 0.12), .right = taper(3.8, 0.12)}),
              metal(kIron), Edge::Double, true);
    crossGuard(p, 14, 11, 3, hex(0x7a6a5a));
    grip(p, 15.5, 30, 2.6, kLeather, 4, hex(0x3e2412));
    pommel(p, 32, 3.6, kIron);
}

void falchion(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 14,
                         .length = 60,
                         .curve = 3,
                         .left = [](double t) { return t < 0.82 ? 3.6 + 3.2 * t : 6.2 * (1 - (t - 0.82) / 0.18); },
                         .right = [](double t) { return t < 0.95 ? 1.8 : 1.8 * (1 - t) / 0.05; }}),
              metal(kIron), Edge::Single);
    p.polyline({{-9, 10}, {-7, 14}, {7, 14}, {9, 18}}, 2.2, solid(kBrass));
    grip(p, 15.5, 30, 2.6, kWood, 0, kWood);
    pommel(p, 31.5, 3.2, kBrass);
}

void bladeSword(Painter& p) {
    drawBlade(
        p,
        makeBlade({.baseY = 14,
                   .length = 58,
                   .left = [](double t) { return t < 0.86 ? 6.2 : 6.2 * (1 - (t - 0.86) / 0.14); },
                   .right = [](double t) { return t < 0.72 ? 6.2 : 6.2 * std::max(0.0, 1 - (t - 0.72) / 0.26); }}),
        metal(hex(0x8a9099)), Edge::Double, true);
    p.roundRect(-12, 12, 12, 17, 1.5, cylinderAcross(kDarkIron, 12, 17));
    grip(p, 17, 32, 3.0, kBlack, 4, kDarkIron);
    p.polygon(starPoints({0, 34}, 4, 4.2, 3.2, 45), sphere(kDarkIron, {0, 34}, 4));
}

void rapier(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 10,
                         .length = 72,
                         .left = [](double t) { return 1.7 * (1 - 0.6 * t); },
                         .right = [](double t) { return 1.7 * (1 - 0.6 * t) * (t < 0.97 ? 1 : 0); }}),
              metal(kSteel), Edge::Double);
    p.ring({0, 9}, 6.0, 4.4, solid(kGold));  // side ring
    crossGuard(p, 11, 12, 1.8, kGold);
    p.polyline(curve({-11, 11}, {-13, 26}, {0, 29}), 1.4, solid(kGold));
    p.polyline(curve({-6, 11}, {-8, 20}, {0, 22}), 1.2, solid(kGold));
    grip(p, 12, 27, 2.2, kSilver, 6, hex(0x8a95a5));
    pommel(p, 29.5, 3.4, kGold);
}

void scimiter(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 12,
                         .length = 58,
                         .curve = 15,
                         .left = [](double t) { return t < 0.8 ? 3.2 + 3.5 * t : 6.0 * (1 - (t - 0.8) / 0.2); },
                         .right = [](double t) { return 1.5 * (1 - std::pow(t, 6)); }}),
              metal(kSteel), Edge::Single);
    p.polyline({{-9, 8}, {-8, 12}, {8, 12}, {9, 8}}, 2.2, solid(kGold));
    p.circle({-9, 8}, 1.6, solid(kGold));
    p.circle({9, 8}, 1.6, solid(kGold));
    grip(p, 13, 28, 2.6, hex(0x1f7a70), 4, kGold);
    p.polygon({{-3, 28}, {3, 28}, {5, 33}, {-1, 31}}, cylinder(kGold, -3, 5));
}

void ringPommelSaber(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 12,
                         .length = 62,
                         .curve = 5,
                         .left = [](double t) { return t < 0.88 ? 3.6 : 3.6 * (1 - (t - 0.88) / 0.12); },
                         .right = [](double t) { return 1.6 * (1 - std::pow(t, 8)); }}),
              metal(kSteel), Edge::Single, true);
    p.ellipse({0, 12}, 5.5, 2.2, cylinderAcross(kBrass, 10, 14));
    grip(p, 13.5, 27, 2.5, hex(0xa02020), 5, hex(0x600c0c));
    p.ring({0, 31}, 4.8, 2.9, cylinder(kGold, -4.8, 4.8));
    p.polyline({{1, 35}, {2, 40}, {0.5, 45}}, 1.2, solid(hex(0xd02a2a)));  // tassel
    p.polyline({{-1, 35}, {-2.5, 40}, {-2, 44}}, 1.2, solid(hex(0xb01818)));
}

void saber(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 12,
                         .length = 64,
                         .curve = 8,
                         .left = [](double t) { return t < 0.9 ? 3.4 : 3.4 * (1 - (t - 0.9) / 0.1); },
                         .right = [](double t) { return 1.4 * (1 - std::pow(t, 10)); }}),
              metal(kOridecon), Edge::Single, true);
    crossGuard(p, 12, 7, 2.4, kGold);
    p.polyline(curve({-7, 12}, {-10, 24}, {-2, 29}), 1.8, solid(kGold));  // knuckle bow
    grip(p, 13, 28, 2.4, kBlack, 6, kSilver);
    p.polygon({{-2.5, 28}, {2.5, 28}, {3.5, 32}, {-2, 31.5}}, cylinder(kGold, -2.5, 3.5));
}

void haedonggum(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 13,
                         .length = 64,
                         .curve = 2.5,
                         .left = [](double t) { return t < 0.9 ? 3.4 : 3.4 * (1 - (t - 0.9) / 0.1); },
                         .right = [](double t) { return t < 0.94 ? 2.0 : 2.0 * (1 - (t - 0.94) / 0.06); }}),
              metal(hex(0xa8c0e0)), Edge::Single, true);
    p.ellipse({0, 13}, 6.2, 2.5, cylinderAcross(hex(0x2a4a8a), 10.5, 15.5));
    gem(p, {0, 13}, 1.7, hex(0xf0b020));
    grip(p, 15, 30, 2.6, hex(0x2e4f9a), 5, hex(0xd0d8f0));
    pommel(p, 31.5, 3.0, kGold);
    p.polyline({{0, 34}, {1.5, 38}, {0.5, 43}}, 1.4, solid(hex(0x2e5fc8)));
}

void tsurugi(Painter& p) {
    drawBlade(p, makeBlade({.baseY = 14, .length = 62, .left = taper(4.4, 0.1), .right = taper(4.4, 0.1)}),
              metal(kOridecon), Edge::Double);
    p.ellipse({0, 14}, 7.5, 2.6, cylinderAcross(hex(0x3a2a40), 11.5, 16.5));
    p.polyline({{-7.2, 14}, {7.2, 14}}, 0.6, solid(kGold, 0.8));
    gem(p, {0, 14}, 1.8, hex(0xa0182a));
    grip(p, 16.5, 34, 2.7, hex(0x3a2048), 0, kBlack);
    for (int i = 0; i < 5; ++i) {
        p.polygon(starPoints({0, 19 + i * 3.4}, 2, 1.5, 1.0, 90), solid(hex(0xe8e0f0), 0.9));  // wrap diamonds
    }
    pommel(p, 35.5, 2.8, kGold);
}

void flamberge(Painter& p) {
    drawBlade(p,
              makeBlade({.baseY = 14,
                         .length = 64,
                         .wave = 1.6,
                         .waves = 9,
                         .left = [](double t) { return t < 0.12 ? 3.2 : taper(4.4, 0.1)(t); },
                         .right = [](double t) { return t < 0.12 ? 3.2 : taper(4.4, 0.1)(t); }},
                        90),
              metal(kOridecon), Edge::Double);
    p.ring({-5.6, 8}, 2.4, 1.2, solid(kSteel));  // parrying lugs
    p.ring({5.6, 8}, 2.4, 1.2, solid(kSteel));
    crossGuard(p, 14, 14, 2.8, kSteel);
    p.circle({-14, 14}, 2.2, sphere(kSteel, {-14, 14}, 2.2));
    p.circle({14, 14}, 2.2, sphere(kSteel, {14, 14}, 2.2));
    grip(p, 15.5, 31, 2.6, hex(0x901818), 5, hex(0x4a0808));
    pommel(p, 33, 3.4, kSteel);
    gem(p, {0, 33}, 2.0, hex(0x70081a));
}

// ---- Two-handed swords -----------------------------------------------------

void katana(Painter& p) {
    const Ribbon blade = makeBlade({.baseY = 10,
                                    .length = 66,
                                    .curve = 7,
                                    .left = [](double t) { return t < 0.93 ? 2.9 : 2.9 * (1 - (t - 0.93) / 0.07); },
                                    .right = [](double t) { return 1.3 * (1 - std::pow(t, 12)); }});
    drawBlade(p, blade, metal(kSteel), Edge::Single);
    std::vector<Vec2> hamon;  // wavy temper line along the edge
    for (std::size_t i = 2; i + 3 < blade.centre.size(); ++i) {
        const double k = 0.45 + 0.12 * std::sin(i * 1.7);
        hamon.push_back(lerp(blade.centre[i], blade.leftEdge(i), k));
    }
    p.polyline(hamon, 0.7, solid(Rgb{1, 1, 1}, 0.75), 0.5);
    p.roundRect(-2.6, 8.5, 2.6, 11, 0.5, solid(kGold));
    p.ellipse({0, 12}, 6, 2.2, cylinderAcross(hex(0x3a3028), 10, 14));
    grip(p, 14, 38, 2.6, hex(0xeae4d8), 0, kBlack);
    for (int i = 0; i < 7; ++i) {
        p.polygon(starPoints({0, 16.5 + i * 3.2}, 2, 1.8, 1.1, 90), solid(kBlack));
    }
    p.roundRect(-2.8, 38, 2.8, 40.5, 1, solid(hex(0x3a3028)));
}

void slayer(Painter& p) {
    const Ribbon blade =
        makeBlade({.baseY = 14,
                   .length = 66,
                   .left = [](double t) { return t < 0.85 ? 7.2 : 7.2 * (1 - (t - 0.85) / 0.15); },
                   .right =
                       [](double t) {
                           const double teeth = (std::fmod(t * 7, 1.0) < 0.5) ? 1.0 : 3.0;
                           return t < 0.15 ? 7.2 : (t < 0.8 ? 7.2 - teeth : 4.2 * (1 - (t - 0.8) / 0.2));
                       }},
                  70);
    drawBlade(p, blade, metal(hex(0x8a8e9c)), Edge::Double, true);
    p.polygon({{-13, 12}, {13, 12}, {10, 18}, {-10, 18}}, cylinderAcross(hex(0x6a1a1a), 12, 18));
    grip(p, 18, 38, 3.0, kBlack, 6, hex(0x5a1010));
    p.polygon({{-4, 38}, {4, 38}, {0, 46}}, sphere(kDarkIron, {0, 40}, 4));
}

void bastardSword(Painter& p) {
    auto w = [](double t) { return t < 0.9 ? 4.6 * (1 - 0.35 * t) : 4.6 * 0.65 * (1 - (t - 0.9) / 0.1); };
    drawBlade(p, makeBlade({.baseY = 10, .length = 68, .left = w, .right = w}), metal(kSteel), Edge::Double, true);
    crossGuard(p, 10, 13, 2.8, kSteel);
    p.polygon({{-13, 8}, {-16, 6}, {-15, 11}}, solid(kSteel));
    p.polygon({{13, 8}, {16, 6}, {15, 11}}, solid(kSteel));
    grip(p, 11.5, 34, 2.6, hex(0x4b3828), 7, hex(0x2a1e14));
    p.ellipse({0, 37}, 3.2, 4, sphere(kSteel, {0, 37}, 4));
}

void twoHandedSword(Painter& p) {
    auto w = [](double t) { return t < 0.1 ? 3.4 : taper(5.4, 0.1)(t); };
    drawBlade(p, makeBlade({.baseY = 12, .length = 72, .left = w, .right = w}), metal(kOridecon), Edge::Double, true);
    p.polygon({{-3.4, 6}, {-7, 4}, {-3.4, 4}}, solid(kGold));  // ricasso lugs
    p.polygon({{3.4, 6}, {7, 4}, {3.4, 4}}, solid(kGold));
    crossGuard(p, 12, 16, 3, kGold);
    p.circle({-16, 12}, 2.2, sphere(kGold, {-16, 12}, 2.2));
    p.circle({16, 12}, 2.2, sphere(kGold, {16, 12}, 2.2));
    grip(p, 13.5, 38, 2.8, hex(0x3a2a6a), 0, kBlack);
    band(p, 25, 3.2, 2, kGold);
    pommel(p, 40.5, 3.8, kGold);
}

void broadSword(Painter& p) {
    auto w = [](double t) {
        return t < 0.92 ? 6.6 : 6.6 * std::sqrt(std::max(0.0, 1 - std::pow((t - 0.92) / 0.08, 2)));
    };
    drawBlade(p, makeBlade({.baseY = 12, .length = 64, .left = w, .right = w}), metal(kSteel), Edge::Double, true);
    p.ellipse({0, 13}, 11, 5, sphere(kGold, {-3, 11}, 10));  // shell guard
    crossGuard(p, 11, 13, 2.4, kGold);
    grip(p, 16, 34, 2.7, hex(0x22509a), 5, kGold);
    pommel(p, 36.5, 3.8, kGold);
}

void claymore(Painter& p) {
    drawBlade(p, makeBlade({.baseY = 12, .length = 72, .left = taper(4.8, 0.1), .right = taper(4.8, 0.1)}),
              metal(kOridecon), Edge::Double, true);
    p.polyline({{-16, 20}, {-9, 12}, {9, 12}, {16, 20}}, 2.6, solid(kSteel));  // down-swept quillons
    for (const double sx : {-16.0, 16.0}) {
        for (int k = 0; k < 4; ++k) {
            const double a = k * kPi / 2;
            p.circle({sx + 1.6 * std::cos(a), 21.5 + 1.6 * std::sin(a)}, 1.3, sphere(kSteel, {sx, 21.5}, 2.5));
        }
    }
    gem(p, {0, 12}, 2.3, hex(0xf0f4ff));
    grip(p, 14, 38, 2.7, kLeather, 7, hex(0x3e2412));
    p.ring({0, 41}, 4.2, 1.8, cylinder(kSteel, -4.2, 4.2));  // wheel pommel
}

// ---- Axes ----------------------------------------------------------------

// Crescent head on the left of the shaft between yTop and yBottom, reaching
// out to x = -reach.
void axeHead(Painter& p, double yTop, double yBottom, double reach, Rgb c, bool beard) {
    const double mid = (yTop + yBottom) / 2;
    const double spread = (yBottom - yTop) * (beard ? 1.1 : 0.8);
    std::vector<Vec2> edge = curve({-reach * 0.85, mid - spread}, {-reach * 1.25, mid + (beard ? 4 : 0)},
                                   {-reach * 0.85, mid + spread * (beard ? 1.3 : 1)}, 24);
    Contour head{{2.5, yTop}, {-reach * 0.3, yTop + 1}};
    head.insert(head.end(), edge.begin(), edge.end());
    head.push_back({-reach * 0.3, yBottom - 1});
    head.push_back({2.5, yBottom});
    p.polygon(head, linear({0, yTop}, shade(c, 1.1), {-reach, yBottom}, shade(c, 0.75)));
    // Honed edge: a bright strip along the cutting curve.
    std::vector<Vec2> inner;
    for (const Vec2& e : edge) {
        inner.push_back(e + Vec2{reach * 0.12, 0});
    }
    Contour strip(edge.begin(), edge.end());
    strip.insert(strip.end(), inner.rbegin(), inner.rend());
    p.polygon(strip, solid(shade(c, 1.45)));
}

void axe(Painter& p) {
    shaft(p, -44, 40, 2.5, kWood, true);
    axeHead(p, -40, -26, 20, kIron, false);
    p.roundRect(2, -39, 6, -27, 1, cylinder(kIron, 2, 6));
    p.roundRect(-2.8, 28, 2.8, 41, 1, cylinder(kLeather, -2.8, 2.8));
}

void battleAxe(Painter& p) {
    shaft(p, -48, 46, 2.7, kDarkWood, true);
    axeHead(p, -42, -26, 26, kIron, true);
    p.polygon({{2.5, -39}, {14, -34}, {2.5, -29}}, linear({2.5, -39}, shade(kIron, 1.2), {14, -34}, shade(kIron, 0.7)));
    p.polygon({{-2.5, -48}, {0, -56}, {2.5, -48}}, solid(kIron));
    for (int i = 0; i < 3; ++i) {
        band(p, 20 + i * 8, 3.0, 2, kIron);
    }
}

void hammer(Painter& p) {
    shaft(p, -30, 48, 2.8, kWood, true);
    p.roundRect(-22, -52, 22, -28, 3, cylinderAcross(kSteel, -52, -28));
    p.roundRect(-24, -53, -18, -27, 1.5, cylinderAcross(shade(kSteel, 0.8), -53, -27));
    p.roundRect(18, -53, 24, -27, 1.5, cylinderAcross(shade(kSteel, 0.8), -53, -27));
    p.roundRect(-4, -55, 4, -25, 1.5, cylinderAcross(kBrass, -55, -25));
    p.roundRect(-3.2, 30, 3.2, 48, 1, cylinder(kLeather, -3.2, 3.2));
}

void buster(Painter& p) {
    shaft(p, -52, 46, 3.0, kDarkWood, true);
    const Rgb head = hex(0x6d6880);
    axeHead(p, -46, -20, 30, head, true);
    for (int i = 0; i < 3; ++i) {  // orc fangs along the back
        const double y = -44 + i * 9;
        p.polygon({{2.5, y}, {12, y + 2}, {2.5, y + 5}}, linear({2.5, y}, kIvory, {12, y + 2}, hex(0xb0a070)));
    }
    p.polygon({{-3, -52}, {0, -62}, {3, -52}}, solid(head));
    p.roundRect(-3.4, 20, 3.4, 46, 1, cylinder(hex(0x8a1a1a), -3.4, 3.4));
}

void twoHandedAxe(Painter& p) {
    shaft(p, -50, 48, 2.8, kDarkWood, true);
    axeHead(p, -46, -24, 24, kOridecon, false);
    p.save();
    p.scale(-1, 1);
    axeHead(p, -46, -24, 24, kOridecon, false);
    p.restore();
    p.polygon({{-2.5, -48}, {0, -60}, {2.5, -48}}, solid(kOridecon));
    p.roundRect(-5, -44, 5, -26, 2, cylinder(kGold, -5, 5));
    gem(p, {0, -35}, 3.2, kPurple);
    p.roundRect(-3.2, 26, 3.2, 48, 1, cylinder(kLeather, -3.2, 3.2));
}

// ---- Maces ---------------------------------------------------------------

void club(Painter& p) {
    Contour body{{-2.8, 44}, {-3.4, 20}, {-6, -10}, {-9, -34},  {-8, -44}, {-4, -48},
                 {2, -48},   {7, -44},   {9, -34},  {6.5, -10}, {3.6, 20}, {3, 44}};
    p.polygon(body, cylinder(kWood, -9, 9));
    p.ellipse({-3, -30}, 1.8, 2.6, solid(kDarkWood));
    p.ellipse({4, -16}, 1.4, 2.2, solid(kDarkWood));
    p.ellipse({-2, 2}, 1.2, 1.8, solid(kDarkWood));
    p.roundRect(-3.6, 30, 3.6, 44, 1, cylinder(kLeather, -3.6, 3.6));
}

void mace(Painter& p) {
    shaft(p, -30, 42, 2.2, kIron, false);
    for (int i = 0; i < 3; ++i) {
        const double s = i == 1 ? 0 : (i == 0 ? -1 : 1);
        const Contour flange{{s * 3, -46}, {s * 10, -40}, {s * 11, -30}, {s * 3, -24}};
        p.polygon(flange, linear({s * 3, -46}, shade(kSteel, 1.2), {s * 11, -24}, shade(kSteel, 0.7)));
    }
    p.ellipse({0, -35}, 6, 11, sphere(kIron, {0, -35}, 9));
    p.polygon({{-7, -44}, {0, -52}, {7, -44}}, linear({-7, -44}, shade(kSteel, 1.3), {7, -44}, shade(kSteel, 0.6)));
    p.polygon({{-11, -30}, {-9, -40}, {-4, -34}}, solid(shade(kSteel, 1.3)));
    p.polygon({{11, -30}, {9, -40}, {4, -34}}, solid(shade(kSteel, 0.75)));
    grip(p, 22, 42, 2.8, kLeather, 5, hex(0x3e2412));
    pommel(p, 44, 3, kIron);
}

void smasher(Painter& p) {
    shaft(p, -26, 44, 2.5, kSteel, false);
    p.roundRect(-12, -54, 12, -24, 5, cylinder(kSteel, -12, 12));
    band(p, -52, 12.5, 3, kDarkIron);
    band(p, -26, 12.5, 3, kDarkIron);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const Vec2 s{-7.0 + c * 7, -45.0 + r * 8};
            p.circle(s, 1.8, sphere(kDarkIron, s, 1.8));
        }
    }
    grip(p, 24, 44, 3.0, kBlack, 5, kSteel);
}

void flail(Painter& p) {
    shaft(p, -6, 46, 2.8, kWood, true);
    band(p, -5, 3.4, 3, kIron);
    chain(p, {0, -6}, {-7, -22}, 4, 5, kIron);
    p.save();  // the short weighted striking stick
    p.translate(-8, -24);
    p.rotate(-28);
    p.roundRect(-4, -30, 4, 0, 2, cylinder(kDarkWood, -4, 4));
    band(p, -26, 4.4, 2.4, kIron);
    band(p, -14, 4.4, 2.4, kIron);
    band(p, -3, 4.4, 2.4, kIron);
    p.restore();
}

void chainMace(Painter& p) {
    shaft(p, 8, 46, 2.6, kSteel, false);
    grip(p, 20, 46, 3.0, kBlack, 6, kIron);
    p.ring({0, 6}, 3, 1.6, solid(kIron));
    chain(p, {0, 4}, {-12, -26}, 6, 6, kIron);
    p.circle({-14, -37}, 11, sphere(kDarkIron, {-14, -37}, 11));
}

void morningStar(Painter& p) {
    shaft(p, -24, 46, 2.8, kDarkWood, true);
    band(p, -20, 3.4, 3, kIron);
    band(p, 30, 3.4, 3, kIron);
    const Vec2 c{0, -38};
    for (int i = 0; i < 10; ++i) {
        const double a = i * 2 * kPi / 10;
        const Vec2 d{std::cos(a), std::sin(a)};
        const Vec2 n{-d.y, d.x};
        p.polygon({c + d * 9 + n * 3, c + d * 17, c + d * 9 - n * 3},
                  linear(c, shade(kSteel, 1.3), c + d * 17, shade(kSteel, 0.7)));
    }
    p.circle(c, 11, sphere(kIron, c, 11));
    for (int i = 0; i < 5; ++i) {
        const double a = i * 2 * kPi / 5 + 0.3;
        const Vec2 s = c + Vec2{std::cos(a), std::sin(a)} * 5.5;
        p.polygon(starPoints(s, 4, 2.6, 1.0), solid(shade(kSteel, 1.2)));
    }
}

void swordMace(Painter& p) {
    shaft(p, -30, 44, 2.4, kSteel, false);
    const Rgb scale = hex(0x3aa08a);
    const Vec2 core{0, -40};
    // Five sharp blades fanning out of the head instead of blunt flanges.
    for (int i = -2; i <= 2; ++i) {
        const double a = (i * 34 - 90) * kPi / 180;
        const Vec2 d{std::cos(a), std::sin(a)};
        const Vec2 n{-d.y, d.x};
        const double reach = i == 0 ? 26 : 21;
        p.polygon({core + n * 3.4, core + d * reach * 0.55 + n * 4.2, core + d * reach, core - n * 3.4},
                  linear(core + n * 4, shade(kSteel, 1.35), core - n * 4, shade(kSteel, 0.65)));
    }
    p.circle(core, 6.5, sphere(scale, core, 6.5));
    band(p, -31, 4, 3, kSteel);
    grip(p, 24, 44, 3.0, scale, 5, hex(0x1a4a40));
    pommel(p, 46, 3, kSteel);
}

void stunner(Painter& p) {
    shaft(p, -26, 46, 2.8, kSteel, false);
    p.polygon({{-13, -52}, {-9, -58}, {9, -58}, {13, -52}, {13, -28}, {9, -23}, {-9, -23}, {-13, -28}},
              cylinder(kDarkIron, -13, 13));
    for (const double x : {-9.0, 0.0, 9.0}) {
        p.polygon({{x - 2.5, -58}, {x, -65}, {x + 2.5, -58}}, solid(kSteel));
    }
    p.circle({0, -40}, 7, sphere(kGold, {0, -40}, 7));
    p.polygon(starPoints({0, -40}, 5, 4.8, 2.0), solid(hex(0xb02020)));
    grip(p, 24, 46, 3.2, hex(0x5a1a60), 5, kGold);
}

// ---- Knuckles (compact, drawn in a box of about 80 x 80) -----------------

// Four finger rings over a grip bar, the usual base of knuckle weapons.
void knuckleBase(Painter& p, Rgb c, double y) {
    std::vector<Contour> plate{roundRectPoints(-28, y - 10, 28, y + 10, 9)};
    for (int i = 0; i < 4; ++i) {
        plate.push_back(ellipsePoints({-19.5 + i * 13, y}, 5, 5.5, 40));
    }
    p.fill(plate, cylinderAcross(c, y - 10, y + 10), FillRule::EvenOdd);
    p.roundRect(-24, y + 10, 24, y + 20, 5, cylinderAcross(shade(c, 0.85), y + 10, y + 20));
}

void waghnak(Painter& p) {
    p.roundRect(-28, 0, 28, 8, 4, cylinderAcross(kSteel, 0, 8));
    p.ring({-30, 4}, 7, 4.2, solid(kSteel));
    p.ring({30, 4}, 7, 4.2, solid(kSteel));
    for (int i = 0; i < 4; ++i) {
        const double x = -16 + i * 10.6;
        p.polygon({{x - 3.5, 1}, {x - 6, -14}, {x - 2, -30}, {x + 1, -14}, {x + 3.5, 1}},
                  linear({x - 4, -10}, shade(kSteel, 1.3), {x + 3, -10}, shade(kSteel, 0.65)));
    }
    p.circle({0, 4}, 5, sphere(hex(0xf4f0ec), {0, 4}, 5));
}

void knuckleDuster(Painter& p) {
    p.roundRect(-30, -6, 30, 24, 4, cylinderAcross(kLeather, -6, 24));  // leather backing strap
    for (int i = 0; i < 4; ++i) {
        p.polygon({{-22.0 + i * 13, -8}, {-19.5 + i * 13, -17}, {-17.0 + i * 13, -8}}, solid(kIron));
    }
    knuckleBase(p, kBrass, 2);
}

void hora(Painter& p) {
    knuckleBase(p, kSilver, 4);
    for (int i = 0; i < 4; ++i) {
        const double x = -19.5 + i * 13;
        p.polygon({{x - 4, -6}, {x, -22}, {x + 4, -6}},
                  linear({x - 4, -10}, hex(0xffffff), {x + 4, -10}, hex(0x9fd8f0)));
        p.polygon({{x - 1.5, -9}, {x, -18}, {x + 0.5, -9}}, solid(Rgb{1, 1, 1}, 0.8));
    }
}

void fist(Painter& p) {
    p.roundRect(-20, 14, 22, 36, 5, cylinder(kDarkIron, -20, 22));      // cuff
    p.roundRect(-26, -14, 26, 18, 10, cylinderAcross(kIron, -14, 18));  // back of the hand
    for (int i = 0; i < 4; ++i) {
        const double x = -20 + i * 13.3;
        p.roundRect(x - 6, -28, x + 6, -6, 5, cylinder(kSteel, x - 6, x + 6));
        p.line({x - 5, -17}, {x + 5, -17}, 0.8, solid(kDarkIron, 0.8));
    }
    p.roundRect(-30, -8, -16, 12, 6, cylinder(kSteel, -30, -16));  // thumb
    gem(p, {3, 4}, 5, hex(0xd01030));
}

void claw(Painter& p) {
    p.roundRect(-18, 0, 18, 26, 8, cylinderAcross(kLeather, 0, 26));
    p.roundRect(-20, -4, 20, 8, 4, cylinderAcross(kSteel, -4, 8));
    for (int i = 0; i < 3; ++i) {
        const double x = -11 + i * 11;
        p.polygon({{x - 3, -3}, {x - 1.5 + (i - 1) * 4, -40}, {x + 3, -3}},
                  linear({x - 3, -20}, shade(kSteel, 1.35), {x + 3, -20}, shade(kSteel, 0.6)));
    }
    gem(p, {0, 13}, 4.5, hex(0xf0a020));
}

void finger(Painter& p) {
    p.roundRect(-24, 4, 24, 20, 6, cylinderAcross(kGold, 4, 20));
    const double lengths[4] = {22, 27, 25, 19};
    for (int i = 0; i < 4; ++i) {
        const double x = -16.5 + i * 11;
        const double top = 6 - lengths[i];
        p.roundRect(x - 4.3, top, x + 4.3, 10, 4, cylinder(kSilver, x - 4.3, x + 4.3));
        p.line({x - 3.5, top + lengths[i] * 0.45}, {x + 3.5, top + lengths[i] * 0.45}, 0.7, solid(kDarkIron, 0.7));
        p.polygon({{x - 3.6, top + 3}, {x, top - 9}, {x + 3.6, top + 3}},
                  linear({x, top + 3}, hex(0xd02040), {x, top - 9}, hex(0x600818)));
    }
    gem(p, {0, 12}, 3.5, hex(0xf0e8ff));
}

// ---- Spears ----------------------------------------------------------------

void spearHead(Painter& p, double base, double len, double width, const Metal& m) {
    auto leaf = [](double w) {
        return [w](double t) {
            return w * std::sin(std::min(1.0, t * 1.15) * kPi * 0.85 + 0.25) * (1 - t * 0.8) * (t > 0.98 ? 0 : 1);
        };
    };
    drawBlade(p, makeBlade({.baseY = base, .length = len, .left = leaf(width), .right = leaf(width)}), m, Edge::Double);
}

void javelin(Painter& p) {
    shaft(p, -36, 48, 1.4, kLightWood, true);
    p.roundRect(-1.8, -40, 1.8, -34, 0.6, cylinder(kIron, -1.8, 1.8));
    spearHead(p, -39, 14, 2.8, metal(kIron));
    grip(p, 8, 20, 1.9, kLeather, 4, hex(0x3e2412));
}

void spear(Painter& p) {
    shaft(p, -36, 52, 2.0, kWood, true);
    p.polyline({{0, -34}, {-2, -27}, {-1, -20}}, 1.6, solid(kRed));  // tassel
    p.polyline({{0, -34}, {2, -26}, {1.5, -21}}, 1.6, solid(hex(0xd03030)));
    p.roundRect(-2.6, -40, 2.6, -33, 1, cylinder(kIron, -2.6, 2.6));
    spearHead(p, -39, 20, 5, metal(kIron));
    p.roundRect(-2.4, 48, 2.4, 54, 1, cylinder(kIron, -2.4, 2.4));
}

void pike(Painter& p) {
    shaft(p, -44, 58, 1.7, kDarkWood, true);
    p.roundRect(-1.6, -44, 1.6, -24, 0.6, cylinder(kIron, -1.6, 1.6));  // langets
    p.roundRect(-2.3, -48, 2.3, -42, 1, cylinder(kIron, -2.3, 2.3));
    drawBlade(p,
              makeBlade({.baseY = -47,
                         .length = 16,
                         .left = [](double t) { return 2.6 * (1 - t); },
                         .right = [](double t) { return 2.6 * (1 - t); }}),
              metal(kIron), Edge::Double);
}

void guisarme(Painter& p) {
    shaft(p, -34, 56, 2.1, kWood, true);
    p.roundRect(-2.7, -38, 2.7, -28, 1, cylinder(kSteel, -2.7, 2.7));
    // A long blade curving forward with a hook on its back.
    Contour head = curve({-2, -36}, {-16, -44}, {-12, -68}, 16);
    const std::vector<Vec2> back = curve({-12, -68}, {-2, -56}, {2, -50}, 12);
    head.insert(head.end(), back.begin(), back.end());
    head.insert(head.end(), {{10, -54}, {8, -48}, {2, -44}, {2, -36}});
    p.polygon(head, linear({-14, -50}, shade(kSteel, 1.3), {6, -50}, shade(kSteel, 0.7)));
    p.polygon({{2.5, -40}, {11, -38}, {2.5, -35}}, solid(kSteel));
}

void glaive(Painter& p) {
    shaft(p, -34, 56, 2.2, kDarkWood, true);
    p.roundRect(-3, -38, 3, -30, 1, cylinder(kSteel, -3, 3));
    drawBlade(p,
              makeBlade({.baseY = -37,
                         .length = 32,
                         .curve = -3,
                         .left =
                             [](double t) {
                                 return t < 0.75 ? 3 + 7 * std::sin(t / 0.75 * kPi * 0.5)
                                                 : 10 * (1 - (t - 0.75) / 0.25);
                             },
                         .right = [](double t) { return 2.4 * (1 - std::pow(t, 4)); }}),
              metal(kSteel), Edge::Single);
    p.polygon({{2.4, -40}, {8, -44}, {2.4, -46}}, solid(kSteel));
}

void partizan(Painter& p) {
    shaft(p, -36, 56, 2.2, kDarkWood, true);
    p.roundRect(-3, -40, 3, -32, 1, cylinder(kGold, -3, 3));
    spearHead(p, -40, 28, 5.5, metal(kSteel));
    for (const double s : {-1.0, 1.0}) {
        p.polygon({{s * 3, -40}, {s * 14, -52}, {s * 11, -44}, {s * 3, -36}},
                  linear({0, -40}, shade(kSteel, s < 0 ? 1.3 : 0.9), {s * 14, -52}, shade(kSteel, s < 0 ? 1.0 : 0.65)));
    }
}

void trident(Painter& p) {
    shaft(p, -36, 56, 2.2, hex(0x2a5a8a), false);
    p.roundRect(-12, -42, 12, -37, 2, cylinderAcross(kGold, -42, -37));
    for (const double s : {-1.0, 1.0}) {
        p.polyline({{s * 10, -39}, {s * 11, -52}, {s * 10, -62}}, 2.8, cylinder(kGold, -12, 12));
        p.polygon({{s * 8.5, -60}, {s * 10, -70}, {s * 11.5, -60}, {s * 13.5, -64}, {s * 12, -58}}, solid(kGold));
    }
    p.polyline({{0, -42}, {0, -70}}, 3.0, cylinder(kGold, -1.5, 1.5));
    p.polygon({{-2.6, -68}, {0, -78}, {2.6, -68}, {4.5, -72}, {2.5, -66}, {-2.5, -66}, {-4.5, -72}}, solid(kGold));
    gem(p, {0, -39.5}, 3, hex(0x60d0e0));
}

void hallberd(Painter& p) {
    shaft(p, -38, 56, 2.3, kDarkWood, true);
    p.roundRect(-1.8, -40, 1.8, -18, 0.6, cylinder(kSteel, -1.8, 1.8));
    drawBlade(p,
              makeBlade({.baseY = -38,
                         .length = 24,
                         .left = [](double t) { return 2.8 * (1 - t); },
                         .right = [](double t) { return 2.8 * (1 - t); }}),
              metal(kOridecon), Edge::Double);
    Contour blade{{-2, -48}, {-12, -52}, {-18, -54}};
    const std::vector<Vec2> edge = curve({-18, -54}, {-22, -42}, {-18, -28}, 12);
    blade.insert(blade.end(), edge.begin(), edge.end());
    blade.insert(blade.end(), {{-10, -34}, {-2, -34}});
    p.polygon(blade, linear({-2, -40}, shade(kOridecon, 1.1), {-20, -40}, shade(kOridecon, 0.7)));
    p.polyline(edge, 1.4, solid(shade(kOridecon, 1.45)));
    p.polygon({{2, -46}, {14, -38}, {8, -38}, {2, -36}}, solid(shade(kOridecon, 0.8)));  // back hook
}

void lance(Painter& p) {
    const Contour cone{{0, -72}, {6.5, -14}, {-6.5, -14}};
    p.polygon(cone, cylinder(kSilver, -6.5, 6.5));
    for (int i = 0; i < 5; ++i) {  // spiral stripes
        const double y0 = -62 + i * 10, y1 = y0 + 6;
        const double w0 = 6.5 * (y0 + 72) / 58, w1 = 6.5 * (y1 + 72) / 58;
        p.polygon({{-w0, y0 + 2}, {w0, y0 - 2}, {w1, y1 - 2}, {-w1, y1 + 2}}, cylinder(hex(0xb82030), -6.5, 6.5, 0.85));
    }
    p.polygon({{-13, -8}, {-6, -16}, {6, -16}, {13, -8}, {10, -4}, {-10, -4}}, cylinder(kSteel, -13, 13));  // vamplate
    grip(p, -4, 14, 2.6, kLeather, 4, hex(0x3e2412));
    shaft(p, 14, 30, 3.2, kSilver, false);
    pommel(p, 31, 3.6, kSilver);
}

// ---- Resources -------------------------------------------------------------

void elementStone(Painter& p, Rgb base, std::uint32_t seed) {
    Rng r(seed);
    Contour blob;
    for (int i = 0; i < 11; ++i) {
        const double a = i * 2 * kPi / 11;
        const double rad = r.range(26, 33);
        blob.push_back({rad * std::cos(a), rad * std::sin(a) * 0.9});
    }
    p.polygon(blob, sphere(base, {0, 0}, 30));
    // Facets: lighter triangles towards the light.
    for (int i = 6; i < 10; ++i) {
        p.polygon({{-4, -6}, blob[i], blob[(i + 1) % blob.size()]}, solid(Rgb{1, 1, 1}, 0.08 + 0.05 * (i - 6)));
    }
    p.polygon({{-16, -14}, {-8, -20}, {-10, -10}}, solid(Rgb{1, 1, 1}, 0.7));
}

void flameHeart(Painter& p) {
    elementStone(p, hex(0xd02818), 11);
    Contour flame = curve({0, 20}, {-16, 6}, {-2, -18}, 10);
    const std::vector<Vec2> other = curve({-2, -18}, {2, -4}, {7, -8}, 6);
    flame.insert(flame.end(), other.begin(), other.end());
    const std::vector<Vec2> back = curve({7, -8}, {16, 8}, {0, 20}, 10);
    flame.insert(flame.end(), back.begin(), back.end());
    p.polygon(flame, linear({0, 20}, hex(0xffe060), {0, -18}, hex(0xff7020), 0.95));
}

void roughWind(Painter& p) {
    elementStone(p, hex(0x9ccc40), 23);
    std::vector<Vec2> swirl;
    for (int i = 0; i <= 40; ++i) {
        const double a = i * 0.32;
        const double rad = 3 + i * 0.5;
        swirl.push_back({rad * std::cos(a), rad * std::sin(a) * 0.8});
    }
    p.polyline(swirl, 3.0, solid(hex(0xfaffe0), 0.9));
}

void mysticFrozen(Painter& p) {
    elementStone(p, hex(0x58b0e8), 37);
    for (int i = 0; i < 3; ++i) {
        const double a = i * kPi / 3;
        const Vec2 d{std::cos(a) * 17, std::sin(a) * 17};
        p.line(d * -1, d, 2.6, solid(Rgb{1, 1, 1}, 0.9));
        p.line(d * 0.6, d * 0.6 + Vec2{d.y * 0.25, -d.x * 0.25}, 1.8, solid(Rgb{1, 1, 1}, 0.9));
        p.line(d * -0.6, d * -0.6 + Vec2{-d.y * 0.25, d.x * 0.25}, 1.8, solid(Rgb{1, 1, 1}, 0.9));
    }
}

void greatNature(Painter& p) {
    elementStone(p, hex(0x7a6a38), 41);
    Contour leaf = curve({-10, 14}, {-14, -10}, {12, -16}, 12);
    const std::vector<Vec2> back = curve({12, -16}, {10, 8}, {-10, 14}, 12);
    leaf.insert(leaf.end(), back.begin(), back.end());
    p.polygon(leaf, linear({-10, 14}, hex(0x2a8a2a), {12, -16}, hex(0x90d050)));
    p.polyline(curve({-10, 14}, {-2, 0}, {10, -14}), 1.4, solid(hex(0x1a5a1a)));
}

}  // namespace

void drawIngot(Painter& p, Rgb c, int count) {
    for (int i = 0; i < count; ++i) {
        const double dy = (count - 1 - i) * 16.0 - (count - 1) * 8.0;
        const double dx = i * 6.0 - (count - 1) * 3.0;
        p.save();
        p.translate(dx, dy);
        p.polygon({{-30, 8}, {-22, -6}, {26, -6}, {34, 8}, {26, 18}, {-22, 18}}, solid(shade(c, 0.5)));
        p.polygon({{-30, 8}, {-22, -6}, {-18, 2}, {-22, 18}}, solid(shade(c, 0.7)));  // left end
        p.polygon({{-22, 18}, {-18, 2}, {22, 2}, {26, 18}},
                  linear({0, 2}, shade(c, 0.95), {0, 18}, shade(c, 0.65)));  // front
        p.polygon({{-22, -6}, {26, -6}, {22, 2}, {-18, 2}},
                  linear({-22, -6}, shade(c, 1.45), {26, 2}, shade(c, 1.05)));  // top
        p.line({-14, -3}, {12, -3}, 1.5, solid(Rgb{1, 1, 1}, 0.6));
        p.restore();
    }
}

void drawCrystalCluster(Painter& p, Rgb c, std::uint32_t seed) {
    Rng r(seed);
    p.ellipse({0, 22}, 26, 7, solid(shade(c, 0.35), 0.8));  // rock base
    struct Shard {
        double x, angle, len, width;
    };
    const Shard shards[5] = {{-14, -28, 30, 7}, {13, 24, 32, 7}, {-5, -8, 40, 9}, {7, 6, 44, 10}, {-1, 30, 22, 6}};
    for (const Shard& s : shards) {
        p.save();
        p.translate(s.x + r.range(-1, 1), 22);
        p.rotate(s.angle);
        const double w = s.width, l = s.len;
        p.polygon({{-w, 0}, {-w, -l * 0.75}, {0, -l}, {0, 0}}, linear({-w, 0}, shade(c, 1.4), {0, -l}, shade(c, 1.1)));
        p.polygon({{0, 0}, {0, -l}, {w, -l * 0.75}, {w, 0}}, linear({0, 0}, shade(c, 0.6), {w, -l}, shade(c, 0.85)));
        p.line({-w * 0.55, -l * 0.1}, {-w * 0.55, -l * 0.7}, 1.0, solid(Rgb{1, 1, 1}, 0.55));
        p.restore();
    }
}

void drawStarCrumb(Painter& p) {
    struct Piece {
        Vec2 c;
        double r, rot;
    };
    const Piece pieces[3] = {{{-6, 4}, 22, -8}, {{20, -18}, 11, 20}, {{18, 20}, 8, 40}};
    for (const Piece& pc : pieces) {
        Contour star = starPoints(pc.c, 5, pc.r, pc.r * 0.45, pc.rot);
        star[3] = lerp(star[3], pc.c, 0.35);  // a broken tip
        p.polygon(star, linear(pc.c + Vec2{-pc.r, -pc.r}, hex(0xfff2a0), pc.c + Vec2{pc.r, pc.r}, hex(0xc88a10)));
        p.polygon({pc.c, star[0], star[1]}, solid(Rgb{1, 1, 1}, 0.35));
    }
    p.polygon(starPoints({-24, -22}, 4, 6, 1.2), solid(Rgb{1, 1, 0.85}));
}

void drawSword(Painter& p) { sword(p); }

const std::vector<ItemArt>& itemArts() {
    auto ingot = [](Rgb c, int n) { return [c, n](Painter& p) { drawIngot(p, c, n); }; };
    static const std::vector<ItemArt> arts{
        {"Iron", Layout::Compact, ingot(kIron, 1)},
        {"Steel", Layout::Compact, ingot(hex(0xa8c0dc), 2)},
        {"Oridecon", Layout::Compact, [](Painter& p) { drawCrystalCluster(p, hex(0x6a58d8), 7); }},
        {"Elunium", Layout::Compact, [](Painter& p) { drawCrystalCluster(p, hex(0xe8e4f4), 9); }},
        {"Flame Heart", Layout::Compact, flameHeart},
        {"Rough Wind", Layout::Compact, roughWind},
        {"Mystic Frozen", Layout::Compact, mysticFrozen},
        {"Great Nature", Layout::Compact, greatNature},
        {"Star Crumb", Layout::Compact, drawStarCrumb},
        {"Knife", Layout::Long, knife},
        {"Cutter", Layout::Long, cutter},
        {"Main Gauche", Layout::Long, mainGauche},
        {"Dirk", Layout::Long, dirk},
        {"Dagger", Layout::Long, dagger},
        {"Stiletto", Layout::Long, stiletto},
        {"Gladius", Layout::Long, gladius},
        {"Damascus", Layout::Long, damascus},
        {"Sword", Layout::Long, sword},
        {"Falchion", Layout::Long, falchion},
        {"Blade", Layout::Long, bladeSword},
        {"Rapier", Layout::Long, rapier},
        {"Scimiter", Layout::Long, scimiter},
        {"Ring Pommel Saber", Layout::Long, ringPommelSaber},
        {"Saber", Layout::Long, saber},
        {"Haedonggum", Layout::Long, haedonggum},
        {"Tsurugi", Layout::Long, tsurugi},
        {"Flamberge", Layout::Long, flamberge},
        {"Katana", Layout::Long, katana},
        {"Slayer", Layout::Long, slayer},
        {"Bastard Sword", Layout::Long, bastardSword},
        {"Two-handed Sword", Layout::Long, twoHandedSword},
        {"Broad Sword", Layout::Long, broadSword},
        {"Claymore", Layout::Long, claymore},
        {"Axe", Layout::Upright, axe},
        {"Battle Axe", Layout::Upright, battleAxe},
        {"Hammer", Layout::Upright, hammer},
        {"Buster", Layout::Upright, buster},
        {"Two-handed Axe", Layout::Upright, twoHandedAxe},
        {"Club", Layout::Upright, club},
        {"Mace", Layout::Upright, mace},
        {"Smasher", Layout::Upright, smasher},
        {"Flail", Layout::Upright, flail},
        {"Chain", Layout::Upright, chainMace},
        {"Morning Star", Layout::Upright, morningStar},
        {"Sword Mace", Layout::Upright, swordMace},
        {"Stunner", Layout::Upright, stunner},
        {"Waghnak", Layout::Compact, waghnak},
        {"Knuckle Duster", Layout::Compact, knuckleDuster},
        {"Hora", Layout::Compact, hora},
        {"Fist", Layout::Compact, fist},
        {"Claw", Layout::Compact, claw},
        {"Finger", Layout::Compact, finger},
        {"Javelin", Layout::Long, javelin},
        {"Spear", Layout::Long, spear},
        {"Pike", Layout::Long, pike},
        {"Guisarme", Layout::Long, guisarme},
        {"Glaive", Layout::Long, glaive},
        {"Partizan", Layout::Long, partizan},
        {"Trident", Layout::Long, trident},
        {"Hallberd", Layout::Long, hallberd},
        {"Lance", Layout::Long, lance},
    };
    return arts;
}

}  // namespace pic
