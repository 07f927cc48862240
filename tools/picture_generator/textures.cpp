#include "textures.h"

#include "kit.h"

namespace pic {

Image paperTexture(const PaperStyle& s) {
    constexpr int n = kWallpaperSize;
    Layer layer(n, n);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            // Lattice periods divide the tile size, so the noise wraps.
            const double mottle = fractalNoise(x / 16.0, y / 16.0, n / 16, 4, s.seed);
            const double grain = valueNoise(x / 2.0, y / 2.0, n / 2, s.seed + 7);
            const double v = (mottle - 0.5) * 1.2 + (grain - 0.5) * 0.45;
            layer.blend(x, y, shade(s.base, 1.0 + s.strength * v), 1.0);
        }
    }
    Rng r(s.seed * 7919u + 3);
    for (int i = 0; i < s.grains; ++i) {
        const int x = static_cast<int>(r.uniform() * n), y = static_cast<int>(r.uniform() * n);
        const bool dark = r.uniform() < 0.6;
        layer.blend(x, y, dark ? shade(s.base, 0.7) : shade(s.base, 1.25), s.strength * r.range(1.0, 2.5));
    }
    // Fibres are drawn nine times, shifted by whole tiles, so a fibre that
    // crosses an edge continues on the opposite side.
    Painter p(layer);
    for (int i = 0; i < s.fibres; ++i) {
        const Vec2 a{r.uniform() * n, r.uniform() * n};
        const Vec2 c = a + Vec2{r.range(-10, 10), r.range(-10, 10)};
        const Vec2 b = a + Vec2{r.range(-18, 18), r.range(-18, 18)};
        const Rgb tone = r.uniform() < 0.5 ? shade(s.base, 0.8) : shade(s.base, 1.2);
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const Vec2 o{dx * static_cast<double>(n), dy * static_cast<double>(n)};
                p.polyline(curve(a + o, c + o, b + o, 8), 0.6, solid(tone, s.strength * 1.2), 0.6);
            }
        }
    }
    return flatten(layer, s.base);
}

}  // namespace pic
