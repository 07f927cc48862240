#include "kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace pic {

std::uint64_t Rng::next() {
    std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

namespace {

double lattice(int x, int y, std::uint32_t seed) {
    std::uint64_t h = (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) ^ static_cast<std::uint32_t>(y);
    Rng r(h * 0x2545F4914F6CDD1Dull + seed);
    return r.uniform();
}

int wrap(int v, int period) {
    if (period <= 0) {
        return v;
    }
    const int m = v % period;
    return m < 0 ? m + period : m;
}

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double valueNoise(double x, double y, int period, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double a = lattice(wrap(ix, period), wrap(iy, period), seed);
    const double b = lattice(wrap(ix + 1, period), wrap(iy, period), seed);
    const double c = lattice(wrap(ix, period), wrap(iy + 1, period), seed);
    const double d = lattice(wrap(ix + 1, period), wrap(iy + 1, period), seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed) {
    double sum = 0, amplitude = 1, total = 0, f = 1;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(x * f, y * f, period > 0 ? period * static_cast<int>(f) : 0, seed + 101u * o);
        total += amplitude;
        amplitude *= 0.5;
        f *= 2;
    }
    return sum / total;
}

namespace {

// Brightness across a round bar: t = 0 at one edge, 1 at the other.
double barLight(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return 0.62 + 0.62 * std::exp(-std::pow((t - 0.33) / 0.28, 2.0)) - 0.1 * t;
}

}  // namespace

Paint cylinder(Rgb base, double x0, double x1, double opacity) {
    return {[=](Vec2 q) { return shade(base, barLight((q.x - x0) / (x1 - x0))); }, opacity};
}

Paint cylinderAcross(Rgb base, double y0, double y1) {
    return {[=](Vec2 q) { return shade(base, barLight((q.y - y0) / (y1 - y0))); }, 1.0};
}

Paint sphere(Rgb base, Vec2 centre, double r, double opacity) {
    const Vec2 hot = centre + Vec2{-0.38 * r, -0.42 * r};
    return {[=](Vec2 q) {
                const double d = std::clamp(length(q - hot) / (1.45 * r), 0.0, 1.0);
                return d < 0.25 ? mix(shade(base, 1.6), shade(base, 1.15), d / 0.25)
                                : mix(shade(base, 1.15), shade(base, 0.5), (d - 0.25) / 0.75);
            },
            opacity};
}

Vec2 Ribbon::normal(std::size_t i) const {
    const std::size_t a = i == 0 ? 0 : i - 1;
    const std::size_t b = std::min(i + 1, centre.size() - 1);
    const Vec2 t = normalised(centre[b] - centre[a]);
    return {t.y, -t.x};
}

Vec2 Ribbon::leftEdge(std::size_t i) const {
    const Vec2 n = normal(i);
    return centre[i] + n * left[i];
}

Vec2 Ribbon::rightEdge(std::size_t i) const {
    const Vec2 n = normal(i);
    return centre[i] - n * right[i];
}

Contour Ribbon::outline() const {
    Contour c;
    for (std::size_t i = 0; i < centre.size(); ++i) {
        c.push_back(leftEdge(i));
    }
    for (std::size_t i = centre.size(); i-- > 0;) {
        c.push_back(rightEdge(i));
    }
    return c;
}

Contour Ribbon::leftHalf() const {
    Contour c;
    for (std::size_t i = 0; i < centre.size(); ++i) {
        c.push_back(leftEdge(i));
    }
    for (std::size_t i = centre.size(); i-- > 0;) {
        c.push_back(centre[i]);
    }
    return c;
}

Contour Ribbon::rightHalf() const {
    Contour c;
    for (std::size_t i = 0; i < centre.size(); ++i) {
        c.push_back(centre[i]);
    }
    for (std::size_t i = centre.size(); i-- > 0;) {
        c.push_back(rightEdge(i));
    }
    return c;
}

Ribbon makeBlade(const BladeShape& s, int steps) {
    Ribbon r;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double x = s.curve * t * t + s.wave * std::sin(t * s.waves * std::numbers::pi);
        r.centre.push_back({x, s.baseY - s.length * t});
        r.left.push_back(std::max(0.0, s.left(t)));
        r.right.push_back(std::max(0.0, s.right(t)));
    }
    return r;
}

std::function<double(double)> taper(double width, double tip) {
    return [=](double t) { return t < 1 - tip ? width : width * (1 - t) / tip; };
}

Metal metal(Rgb base) { return {shade(base, 1.35), base, shade(base, 0.68)}; }

void drawBlade(Painter& p, const Ribbon& blade, const Metal& m, Edge edge, bool fuller) {
    const Vec2 base = blade.centre.front(), tip = blade.centre.back();
    p.polygon(blade.outline(), linear(base, shade(m.dark, 0.95), tip, m.mid));
    p.polygon(blade.leftHalf(), linear(base, m.mid, tip, m.light));
    if (edge == Edge::Double) {
        // A thin bright line where the two bevels meet.
        std::vector<Vec2> ridge(blade.centre.begin(), blade.centre.end() - 1);
        p.polyline(ridge, 0.5, solid(shade(m.light, 1.25), 0.55), 0.5);
    } else {
        // The spine keeps its own bright line along the right edge.
        std::vector<Vec2> spine;
        for (std::size_t i = 0; i + 1 < blade.centre.size(); ++i) {
            spine.push_back(lerp(blade.centre[i], blade.rightEdge(i), 0.6));
        }
        p.polyline(spine, 0.6, solid(shade(m.light, 1.2), 0.6), 0.5);
    }
    if (fuller) {
        std::vector<Vec2> groove;
        const std::size_t n = blade.centre.size();
        for (std::size_t i = n / 20; i < n * 6 / 10; ++i) {
            groove.push_back(blade.centre[i] + blade.normal(i) * 0.3);
        }
        p.polyline(groove, 1.1, solid(m.dark, 0.75), 0.6);
    }
}

void grip(Painter& p, double y0, double y1, double hw, Rgb colour, int wraps, Rgb wrapColour) {
    p.roundRect(-hw, y0, hw, y1, hw * 0.6, cylinder(colour, -hw, hw));
    for (int i = 0; i < wraps; ++i) {
        const double y = y0 + (y1 - y0) * (i + 0.5) / wraps;
        const double step = (y1 - y0) / wraps * 0.45;
        p.line({-hw * 0.9, y - step / 2}, {hw * 0.9, y + step / 2}, std::min(1.2, (y1 - y0) / wraps * 0.35),
               cylinder(wrapColour, -hw, hw, 0.9), 0.5);
    }
}

void crossGuard(Painter& p, double y, double hw, double thickness, Rgb colour) {
    p.roundRect(-hw, y - thickness / 2, hw, y + thickness / 2, thickness * 0.45,
                cylinderAcross(colour, y - thickness / 2, y + thickness / 2));
}

void shaft(Painter& p, double y0, double y1, double hw, Rgb colour, bool grain) {
    p.roundRect(-hw, y0, hw, y1, hw * 0.5, cylinder(colour, -hw, hw));
    if (grain) {
        Rng r(static_cast<std::uint64_t>(y0 * 131 + y1 * 7 + hw * 1000));
        for (int i = 0; i < 6; ++i) {
            const double x = r.range(-hw * 0.6, hw * 0.6);
            const double ya = r.range(y0, y1), len = r.range(6, 18);
            p.line({x, ya}, {x, std::min(y1, ya + len)}, 0.35, solid(shade(colour, 0.7), 0.5), 0.3);
        }
    }
}

void gem(Painter& p, Vec2 c, double r, Rgb colour) {
    p.circle(c, r, solid(shade(colour, 0.55)));
    p.polygon(starPoints(c, 4, r * 0.95, r * 0.7, 45), sphere(colour, c, r));
    p.polygon({c + Vec2{-r * 0.5, -r * 0.15}, c + Vec2{-r * 0.15, -r * 0.5}, c + Vec2{0, -r * 0.1}},
              solid(Rgb{1, 1, 1}, 0.8));
}

std::vector<Vec2> curve(Vec2 a, Vec2 control, Vec2 b, int steps) {
    std::vector<Vec2> pts;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        pts.push_back(lerp(lerp(a, control, t), lerp(control, b, t), t));
    }
    return pts;
}

void chain(Painter& p, Vec2 a, Vec2 b, int links, double linkLength, Rgb colour) {
    const Vec2 d = normalised(b - a);
    const double angle = std::atan2(d.y, d.x) * 180.0 / std::numbers::pi;
    for (int i = 0; i < links; ++i) {
        const Vec2 c = lerp(a, b, (i + 0.5) / links);
        p.save();
        p.translate(c.x, c.y);
        p.rotate(angle);
        // Alternate links are seen face on and edge on.
        const double ry = (i % 2 == 0) ? linkLength * 0.32 : linkLength * 0.14;
        p.fill({ellipsePoints({0, 0}, linkLength * 0.62, ry), ellipsePoints({0, 0}, linkLength * 0.38, ry * 0.45)},
               cylinderAcross(colour, -ry, ry), FillRule::EvenOdd);
        p.restore();
    }
}

Layer renderFitted(const Drawing& draw, int width, int height, const Placement& placement) {
    // Measure the painted extent on a large scratch canvas first.
    constexpr int kScratch = 640;
    constexpr double kScratchScale = 2.0;
    Layer scratch(kScratch, kScratch);
    Painter sp(scratch);
    sp.translate(kScratch / 2.0, kScratch / 2.0);
    sp.scale(kScratchScale);
    sp.rotate(placement.angle);
    draw(sp);
    int x0 = kScratch, y0 = kScratch, x1 = -1, y1 = -1;
    for (int y = 0; y < kScratch; ++y) {
        for (int x = 0; x < kScratch; ++x) {
            if (scratch.at(x, y).a > 0.05) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    }
    if (x1 < 0 || x0 == 0 || y0 == 0 || x1 == kScratch - 1 || y1 == kScratch - 1) {
        throw std::runtime_error("drawing is empty or larger than the measuring canvas");
    }
    const double bw = (x1 - x0 + 1) / kScratchScale, bh = (y1 - y0 + 1) / kScratchScale;
    const double cx = ((x0 + x1 + 1) / 2.0 - kScratch / 2.0) / kScratchScale;
    const double cy = ((y0 + y1 + 1) / 2.0 - kScratch / 2.0) / kScratchScale;
    const double s =
        std::min({placement.maxScale, (width - 2 * placement.margin) / bw, (height - 2 * placement.margin) / bh});
    Layer out(width, height);
    Painter p(out);
    p.translate(width / 2.0, height / 2.0);
    p.scale(s);
    p.translate(-cx, -cy);
    p.rotate(placement.angle);
    draw(p);
    return out;
}

Layer withOutline(const Layer& layer, Rgb colour, double opacity, double shadow) {
    const int w = layer.width(), h = layer.height();
    Layer out(w, h);
    auto alphaAt = [&](int x, int y) { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.0 : layer.at(x, y).a; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (shadow > 0) {
                out.blend(x, y, Rgb{0, 0, 0}, shadow * alphaAt(x - 2, y - 2));
            }
            double a = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const double weight = (dx != 0 && dy != 0) ? 0.6 : 1.0;
                    a = std::max(a, alphaAt(x + dx, y + dy) * weight);
                }
            }
            out.blend(x, y, colour, std::min(1.0, a * 1.3) * opacity);
        }
    }
    out.drawOver(layer);
    return out;
}

}  // namespace pic
