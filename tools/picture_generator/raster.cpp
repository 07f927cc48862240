#include "raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pic {

Vec2 lerp(Vec2 a, Vec2 b, double t) { return a + (b - a) * t; }
double length(Vec2 v) { return std::hypot(v.x, v.y); }
Vec2 normalised(Vec2 v) {
    const double l = length(v);
    return l > 0 ? v * (1.0 / l) : Vec2{};
}

Rgb hex(std::uint32_t rrggbb) {
    return {((rrggbb >> 16) & 0xFF) / 255.0, ((rrggbb >> 8) & 0xFF) / 255.0, (rrggbb & 0xFF) / 255.0};
}

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

Rgb shade(Rgb c, double f) {
    if (f <= 1.0) {
        return {c.r * f, c.g * f, c.b * f};
    }
    return mix(c, Rgb{1, 1, 1}, std::min(1.0, f - 1.0));
}

Rgb clamp01(Rgb c) { return {std::clamp(c.r, 0.0, 1.0), std::clamp(c.g, 0.0, 1.0), std::clamp(c.b, 0.0, 1.0)}; }

Vec2 Affine::apply(Vec2 p) const { return {a * p.x + b * p.y + c, d * p.x + e * p.y + f}; }

Affine Affine::then(const Affine& o) const {
    return {o.a * a + o.b * d, o.a * b + o.b * e, o.a * c + o.b * f + o.c,
            o.d * a + o.e * d, o.d * b + o.e * e, o.d * c + o.e * f + o.f};
}

Affine Affine::inverse() const {
    const double det = a * e - b * d;
    const double ia = e / det, ib = -b / det, id = -d / det, ie = a / det;
    return {ia, ib, -(ia * c + ib * f), id, ie, -(id * c + ie * f)};
}

double Affine::scaleFactor() const { return std::sqrt(std::fabs(a * e - b * d)); }

Affine translation(double x, double y) { return {1, 0, x, 0, 1, y}; }
Affine rotation(double degrees) {
    const double r = degrees * std::numbers::pi / 180.0;
    const double cs = std::cos(r), sn = std::sin(r);
    return {cs, -sn, 0, sn, cs, 0};
}
Affine scaling(double sx, double sy) { return {sx, 0, 0, 0, sy, 0}; }

Paint solid(Rgb c, double opacity) {
    return {[c](Vec2) { return c; }, opacity};
}

Paint linear(Vec2 p0, Rgb c0, Vec2 p1, Rgb c1, double opacity) {
    const Vec2 d = p1 - p0;
    const double len2 = d.x * d.x + d.y * d.y;
    return {[=](Vec2 p) {
                const Vec2 q = p - p0;
                const double t = len2 > 0 ? std::clamp((q.x * d.x + q.y * d.y) / len2, 0.0, 1.0) : 0.0;
                return mix(c0, c1, t);
            },
            opacity};
}

Paint radial(Vec2 centre, double radius, Rgb inner, Rgb outer) {
    return {[=](Vec2 p) { return mix(inner, outer, std::clamp(length(p - centre) / radius, 0.0, 1.0)); }, 1.0};
}

Layer::Layer(int width, int height)
    : w_(width), h_(height), px_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

void Layer::blend(int x, int y, Rgb c, double alpha) {
    if (x < 0 || y < 0 || x >= w_ || y >= h_ || alpha <= 0) {
        return;
    }
    alpha = std::min(alpha, 1.0);
    Rgba& d = at(x, y);
    const double k = 1.0 - alpha;
    d.r = c.r * alpha + d.r * k;
    d.g = c.g * alpha + d.g * k;
    d.b = c.b * alpha + d.b * k;
    d.a = alpha + d.a * k;
}

void Layer::drawOver(const Layer& top) {
    for (std::size_t i = 0; i < px_.size() && i < top.px_.size(); ++i) {
        const Rgba& s = top.px_[i];
        Rgba& d = px_[i];
        const double k = 1.0 - s.a;
        d = {s.r + d.r * k, s.g + d.g * k, s.b + d.b * k, s.a + d.a * k};
    }
}

Painter::Painter(Layer& target) : layer_(target) {}

void Painter::save() { stack_.push_back(m_); }
void Painter::restore() {
    m_ = stack_.back();
    stack_.pop_back();
}
void Painter::translate(double x, double y) { m_ = translation(x, y).then(m_); }
void Painter::rotate(double degrees) { m_ = rotation(degrees).then(m_); }
void Painter::scale(double s) { scale(s, s); }
void Painter::scale(double sx, double sy) { m_ = scaling(sx, sy).then(m_); }
double Painter::pixel() const { return 1.0 / m_.scaleFactor(); }

namespace {

struct Edge {
    double x0, y0, x1, y1;
    int dir;
};

struct Crossing {
    double x;
    int dir;
};

constexpr int kSubRows = 8;

}  // namespace

void Painter::fill(const std::vector<Contour>& contours, const Paint& paint, FillRule rule) {
    std::vector<Edge> edges;
    double minX = 1e30, minY = 1e30, maxX = -1e30, maxY = -1e30;
    for (const Contour& c : contours) {
        for (std::size_t i = 0; i < c.size(); ++i) {
            const Vec2 p = m_.apply(c[i]);
            const Vec2 q = m_.apply(c[(i + 1) % c.size()]);
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
            if (p.y != q.y) {
                edges.push_back(p.y < q.y ? Edge{p.x, p.y, q.x, q.y, 1} : Edge{q.x, q.y, p.x, p.y, -1});
            }
        }
    }
    if (edges.empty()) {
        return;
    }
    const int w = layer_.width();
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(layer_.height() - 1, static_cast<int>(std::floor(maxY)));
    const int x0 = std::max(0, static_cast<int>(std::floor(minX)));
    const int x1 = std::min(w - 1, static_cast<int>(std::floor(maxX)));
    if (x0 > x1) {
        return;
    }
    const Affine inv = m_.inverse();
    std::vector<double> cover(static_cast<std::size_t>(w));
    std::vector<Crossing> xs;
    for (int py = y0; py <= y1; ++py) {
        std::fill(cover.begin(), cover.end(), 0.0);
        for (int s = 0; s < kSubRows; ++s) {
            const double sy = py + (s + 0.5) / kSubRows;
            xs.clear();
            for (const Edge& e : edges) {
                if (sy >= e.y0 && sy < e.y1) {
                    xs.push_back({e.x0 + (sy - e.y0) * (e.x1 - e.x0) / (e.y1 - e.y0), e.dir});
                }
            }
            std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
            int winding = 0;
            for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
                winding += rule == FillRule::NonZero ? xs[i].dir : 1;
                const bool inside = rule == FillRule::NonZero ? winding != 0 : (winding & 1) != 0;
                if (!inside) {
                    continue;
                }
                const double a = std::max(xs[i].x, 0.0);
                const double b = std::min(xs[i + 1].x, static_cast<double>(w));
                if (b <= a) {
                    continue;
                }
                const int pa = static_cast<int>(a);
                const int pb = std::min(static_cast<int>(b), w - 1);
                if (pa == pb) {
                    cover[pa] += b - a;
                } else {
                    cover[pa] += pa + 1 - a;
                    for (int px = pa + 1; px < pb; ++px) {
                        cover[px] += 1.0;
                    }
                    cover[pb] += b - pb;
                }
            }
        }
        for (int px = x0; px <= x1; ++px) {
            const double c = std::min(1.0, cover[px] / kSubRows);
            if (c > 0.001) {
                const Vec2 local = inv.apply({px + 0.5, py + 0.5});
                layer_.blend(px, py, clamp01(paint.colour(local)), c * paint.opacity);
            }
        }
    }
}

void Painter::polygon(const Contour& points, const Paint& paint) { fill({points}, paint); }

Contour ellipsePoints(Vec2 centre, double rx, double ry, int segments) {
    if (segments <= 0) {
        segments = std::clamp(static_cast<int>(std::max(rx, ry) * 2.0), 24, 96);
    }
    Contour pts;
    for (int i = 0; i < segments; ++i) {
        const double t = 2.0 * std::numbers::pi * i / segments;
        pts.push_back({centre.x + rx * std::cos(t), centre.y + ry * std::sin(t)});
    }
    return pts;
}

void Painter::ellipse(Vec2 centre, double rx, double ry, const Paint& paint) {
    fill({ellipsePoints(centre, rx, ry)}, paint);
}

void Painter::circle(Vec2 centre, double r, const Paint& paint) { ellipse(centre, r, r, paint); }

void Painter::ring(Vec2 centre, double outer, double inner, const Paint& paint) {
    fill({ellipsePoints(centre, outer, outer, 64), ellipsePoints(centre, inner, inner, 64)}, paint, FillRule::EvenOdd);
}

void Painter::rect(double x0, double y0, double x1, double y1, const Paint& paint) {
    polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, paint);
}

Contour roundRectPoints(double x0, double y0, double x1, double y1, double radius) {
    radius = std::min({radius, (x1 - x0) / 2, (y1 - y0) / 2});
    Contour pts;
    const Vec2 corners[4] = {
        {x1 - radius, y0 + radius}, {x1 - radius, y1 - radius}, {x0 + radius, y1 - radius}, {x0 + radius, y0 + radius}};
    for (int k = 0; k < 4; ++k) {
        for (int i = 0; i <= 6; ++i) {
            const double t = (k - 1 + i / 6.0) * std::numbers::pi / 2;
            pts.push_back({corners[k].x + radius * std::cos(t), corners[k].y + radius * std::sin(t)});
        }
    }
    return pts;
}

void Painter::roundRect(double x0, double y0, double x1, double y1, double radius, const Paint& paint) {
    polygon(roundRectPoints(x0, y0, x1, y1, radius), paint);
}

void Painter::line(Vec2 a, Vec2 b, double width, const Paint& paint, double minWidthPx) {
    polyline({a, b}, width, paint, minWidthPx);
}

void Painter::polyline(const std::vector<Vec2>& points, double width, const Paint& paint, double minWidthPx) {
    const double hw = std::max(width, minWidthPx * pixel()) / 2;
    std::vector<Contour> parts;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const Vec2 d = normalised(points[i + 1] - points[i]);
        const Vec2 n{-d.y * hw, d.x * hw};
        parts.push_back({points[i] + n, points[i + 1] + n, points[i + 1] - n, points[i] - n});
    }
    for (const Vec2& p : points) {
        parts.push_back(ellipsePoints(p, hw, hw, 16));
    }
    // Every part winds the same way, so the non-zero rule joins them
    // without double blending at the overlaps.
    for (Contour& c : parts) {
        double area = 0;
        for (std::size_t i = 0; i < c.size(); ++i) {
            const Vec2 p = c[i], q = c[(i + 1) % c.size()];
            area += p.x * q.y - q.x * p.y;
        }
        if (area < 0) {
            std::reverse(c.begin(), c.end());
        }
    }
    fill(parts, paint);
}

Contour starPoints(Vec2 centre, int points, double r1, double r2, double rotationDegrees) {
    Contour pts;
    const double rot = rotationDegrees * std::numbers::pi / 180.0;
    for (int i = 0; i < points * 2; ++i) {
        const double t = rot - std::numbers::pi / 2 + std::numbers::pi * i / points;
        const double r = (i % 2 == 0) ? r1 : r2;
        pts.push_back({centre.x + r * std::cos(t), centre.y + r * std::sin(t)});
    }
    return pts;
}

}  // namespace pic
