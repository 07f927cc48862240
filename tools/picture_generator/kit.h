// Building blocks shared by the drawings: random numbers and noise, metal
// and wood shading, blades, grips, gems, and the placement of a drawing in
// a picture of a given size.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "raster.h"

namespace pic {

// Deterministic generator (splitmix64), so every run draws the same pictures.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : s_(seed) {}
    std::uint64_t next();
    double uniform();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    std::uint64_t s_;
};

// Smooth value noise in [0, 1]. With period > 0 the lattice wraps every
// `period` cells, which makes textures tile.
double valueNoise(double x, double y, int period, std::uint32_t seed);
// Sum of octaves; each octave doubles frequency and period.
double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed);

// ---- Colours -----------------------------------------------------------

namespace colour {
inline const Rgb kIron = hex(0x9499a0);
inline const Rgb kSteel = hex(0xc6d0da);
inline const Rgb kOridecon = hex(0xb9b2e6);
inline const Rgb kDarkIron = hex(0x5d616b);
inline const Rgb kGold = hex(0xe2b33c);
inline const Rgb kBrass = hex(0xc18f3e);
inline const Rgb kSilver = hex(0xdfe3e8);
inline const Rgb kWood = hex(0x8c5a2b);
inline const Rgb kDarkWood = hex(0x5b3a1f);
inline const Rgb kLightWood = hex(0xc09060);
inline const Rgb kLeather = hex(0x6e4326);
inline const Rgb kBlack = hex(0x2b2b33);
inline const Rgb kIvory = hex(0xede0c0);
inline const Rgb kRed = hex(0xb02424);
inline const Rgb kBlue = hex(0x2f5fb0);
inline const Rgb kPurple = hex(0x7440b0);
inline const Rgb kOutline = hex(0x2a211c);
}  // namespace colour

// ---- Paints ------------------------------------------------------------

// Round bar lying along the y axis between x0 and x1: bright a third of the
// way in from x0, dark at both edges.
Paint cylinder(Rgb base, double x0, double x1, double opacity = 1.0);
// Same, across y (a bar lying along the x axis).
Paint cylinderAcross(Rgb base, double y0, double y1);
// Ball lit from the upper left.
Paint sphere(Rgb base, Vec2 centre, double r, double opacity = 1.0);

// ---- Blades ------------------------------------------------------------

// A strip along a centre line, with separate widths to the left and right.
struct Ribbon {
    std::vector<Vec2> centre;
    std::vector<double> left;
    std::vector<double> right;
    Vec2 normal(std::size_t i) const;  // unit vector to the left
    Vec2 leftEdge(std::size_t i) const;
    Vec2 rightEdge(std::size_t i) const;
    Contour outline() const;
    Contour leftHalf() const;
    Contour rightHalf() const;
};

struct BladeShape {
    double baseY = 0;                     // where the blade leaves the guard
    double length = 50;                   // towards negative y
    double curve = 0;                     // sideways offset of the tip (quadratic bend)
    double wave = 0;                      // amplitude of a sinusoidal centre line
    double waves = 0;                     // number of half waves along the blade
    std::function<double(double)> left;   // width to the left at t in [0, 1]
    std::function<double(double)> right;  // width to the right
};

Ribbon makeBlade(const BladeShape& shape, int steps = 40);

// Width profile: constant, then straight to a point over the last `tip`.
std::function<double(double)> taper(double width, double tip);

struct Metal {
    Rgb light;
    Rgb mid;
    Rgb dark;
};
Metal metal(Rgb base);

enum class Edge { Double, Single };
// Two-tone bevelled blade with a ridge (double-edged) or a spine line.
void drawBlade(Painter& p, const Ribbon& blade, const Metal& m, Edge edge, bool fuller = false);

// ---- Hilts and shafts --------------------------------------------------

// Grip along y from y0 (top) to y1, with diagonal wrapping when wraps > 0.
void grip(Painter& p, double y0, double y1, double halfWidth, Rgb colour, int wraps, Rgb wrapColour);
// Cross guard centred on (0, y).
void crossGuard(Painter& p, double y, double halfWidth, double thickness, Rgb colour);
// Wooden or metal pole along y.
void shaft(Painter& p, double y0, double y1, double halfWidth, Rgb colour, bool grain);
// Small faceted gem seen from above.
void gem(Painter& p, Vec2 centre, double r, Rgb colour);
// Short chain of oval links between two points.
void chain(Painter& p, Vec2 a, Vec2 b, int links, double linkLength, Rgb colour);
// Quadratic Bezier curve sampled into points.
std::vector<Vec2> curve(Vec2 a, Vec2 control, Vec2 b, int steps = 16);

// ---- Placement ----------------------------------------------------------

using Drawing = std::function<void(Painter&)>;

struct Placement {
    double angle = 0;       // rotation of the drawing, degrees clockwise
    double maxScale = 1e9;  // device pixels per drawing unit at most
    double margin = 1.5;    // free pixels kept at each border
};

// Rotates the drawing, then scales it down to fit the picture (never above
// maxScale) and centres it by its painted extent.
Layer renderFitted(const Drawing& draw, int width, int height, const Placement& placement);
// Adds a contour of one pixel around everything painted, and optionally a
// soft shadow below right of it.
Layer withOutline(const Layer& layer, Rgb colour, double opacity, double shadow = 0.0);

}  // namespace pic
