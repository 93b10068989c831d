#pragma once
// A true-colour drawing surface with anti-aliased shapes: every shape is given
// as a coverage function and sampled 4 x 4 times per pixel. Shapes are placed
// in units of the picture at its own size; a canvas of scale 2 has twice as
// many pixels each way, for screens that show the picture larger.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

struct Rgb {
    double r = 0, g = 0, b = 0;
};

inline Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

class Canvas {
public:
    Canvas(int width, int height, int scale = 1)
        : m_width(width * scale), m_height(height * scale), m_scale(scale), m_pixels(m_width * m_height) {
    }

    // In pixels.
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Scale() const { return m_scale; }
    Rgb& At(int x, int y) { return m_pixels[y * m_width + x]; }
    const Rgb& At(int x, int y) const { return m_pixels[y * m_width + x]; }

    // Paints colour where inside(x, y) holds, blended by the covered share of
    // each pixel; only the pixels of the bounding box are visited.
    void Fill(double left, double top, double right, double bottom, Rgb colour,
              const std::function<bool(double, double)>& inside, double opacity = 1.0) {
        const int x0 = std::max(0, static_cast<int>(std::floor(left * m_scale)));
        const int y0 = std::max(0, static_cast<int>(std::floor(top * m_scale)));
        const int x1 = std::min(m_width, static_cast<int>(std::ceil(right * m_scale)));
        const int y1 = std::min(m_height, static_cast<int>(std::ceil(bottom * m_scale)));
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                int hits = 0;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx)
                        hits += inside((x + (sx + 0.5) / 4) / m_scale, (y + (sy + 0.5) / 4) / m_scale)
                                    ? 1
                                    : 0;
                if (hits > 0)
                    At(x, y) = Mix(At(x, y), colour, opacity * hits / 16.0);
            }
        }
    }

    void FillRect(double left, double top, double right, double bottom, Rgb colour,
                  double opacity = 1.0) {
        Fill(
            left, top, right, bottom, colour,
            [&](double x, double y) { return x >= left && x < right && y >= top && y < bottom; },
            opacity);
    }

    void FillRoundRect(double left, double top, double right, double bottom, double radius,
                       Rgb colour, double opacity = 1.0) {
        Fill(
            left, top, right, bottom, colour,
            [&](double x, double y) {
                const double cx = std::clamp(x, left + radius, right - radius);
                const double cy = std::clamp(y, top + radius, bottom - radius);
                return std::hypot(x - cx, y - cy) <= radius && x >= left && x < right && y >= top &&
                       y < bottom;
            },
            opacity);
    }

    void FillEllipse(double cx, double cy, double rx, double ry, Rgb colour, double opacity = 1.0) {
        Fill(
            cx - rx, cy - ry, cx + rx, cy + ry, colour,
            [&](double x, double y) {
                const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1.0;
            },
            opacity);
    }

private:
    int m_width;
    int m_height;
    int m_scale;
    std::vector<Rgb> m_pixels;
};
