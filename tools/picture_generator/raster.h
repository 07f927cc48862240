// Vector drawing on a small floating-point canvas: filled polygons with
// anti-aliasing, an affine transform stack and paints (solid colours,
// gradients, or any function of the drawing coordinates).
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace pic {

struct Vec2 {
    double x = 0;
    double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
Vec2 lerp(Vec2 a, Vec2 b, double t);
double length(Vec2 v);
Vec2 normalised(Vec2 v);

// Colour with components 0..1 (sRGB values, no gamma handling).
struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

Rgb hex(std::uint32_t rrggbb);
Rgb mix(Rgb a, Rgb b, double t);
// Multiplies towards black (f < 1) or towards white (f > 1).
Rgb shade(Rgb c, double f);
Rgb clamp01(Rgb c);

// Premultiplied colour with coverage.
struct Rgba {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

// x' = a*x + b*y + c ; y' = d*x + e*y + f
struct Affine {
    double a = 1, b = 0, c = 0, d = 0, e = 1, f = 0;
    Vec2 apply(Vec2 p) const;
    Affine then(const Affine& outer) const;  // outer ∘ this
    Affine inverse() const;
    double scaleFactor() const;  // mean linear scale
};

Affine translation(double x, double y);
Affine rotation(double degrees);
Affine scaling(double sx, double sy);

// A paint gives the colour (straight, not premultiplied) at a point in the
// drawing coordinates of the shape being filled, and one opacity for all.
struct Paint {
    std::function<Rgb(Vec2)> colour;
    double opacity = 1.0;
};

Paint solid(Rgb c, double opacity = 1.0);
// Colour ramp between the projections of p0 and p1; clamped outside.
Paint linear(Vec2 p0, Rgb c0, Vec2 p1, Rgb c1, double opacity = 1.0);
// Colour ramp by distance from a centre.
Paint radial(Vec2 centre, double radius, Rgb inner, Rgb outer);

class Layer {
public:
    Layer(int width, int height);
    int width() const { return w_; }
    int height() const { return h_; }
    Rgba& at(int x, int y) { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    const Rgba& at(int x, int y) const { return px_[static_cast<std::size_t>(y) * w_ + x]; }
    void blend(int x, int y, Rgb colour, double alpha);  // source over
    void drawOver(const Layer& top);                     // same size, source over

private:
    int w_;
    int h_;
    std::vector<Rgba> px_;
};

using Contour = std::vector<Vec2>;

enum class FillRule { NonZero, EvenOdd };

class Painter {
public:
    explicit Painter(Layer& target);

    void save();
    void restore();
    void translate(double x, double y);
    void rotate(double degrees);
    void scale(double s);
    void scale(double sx, double sy);
    // Length of one device pixel in drawing units.
    double pixel() const;

    void fill(const std::vector<Contour>& contours, const Paint& paint, FillRule rule = FillRule::NonZero);
    void polygon(const Contour& points, const Paint& paint);
    void ellipse(Vec2 centre, double rx, double ry, const Paint& paint);
    void circle(Vec2 centre, double r, const Paint& paint);
    void ring(Vec2 centre, double outer, double inner, const Paint& paint);
    void rect(double x0, double y0, double x1, double y1, const Paint& paint);
    void roundRect(double x0, double y0, double x1, double y1, double radius, const Paint& paint);
    // Stroke with round ends; never thinner than minWidthPx device pixels.
    void line(Vec2 a, Vec2 b, double width, const Paint& paint, double minWidthPx = 0.9);
    void polyline(const std::vector<Vec2>& points, double width, const Paint& paint, double minWidthPx = 0.9);

private:
    Layer& layer_;
    Affine m_;
    std::vector<Affine> stack_;
};

Contour ellipsePoints(Vec2 centre, double rx, double ry, int segments = 0);
Contour roundRectPoints(double x0, double y0, double x1, double y1, double radius);
// Regular star or polygon: `points` tips at radius r1 alternating with r2.
Contour starPoints(Vec2 centre, int points, double r1, double r2, double rotationDegrees = 0);

}  // namespace pic
