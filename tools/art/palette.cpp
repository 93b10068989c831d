#include "palette.h"

#include <algorithm>
#include <limits>
#include <map>

namespace {

std::uint8_t Channel(double v) {
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0) + 0.5);
}

Rgb8 ToRgb8(const Rgb& c) {
    return {Channel(c.r), Channel(c.g), Channel(c.b)};
}

int Component(const Rgb8& c, int axis) {
    return axis == 0 ? c.r : axis == 1 ? c.g : c.b;
}

struct Entry {
    Rgb8 colour;
    long count;
};

using Box = std::vector<Entry>;

int Range(const Box& box, int axis) {
    int low = 255, high = 0;
    for (const Entry& e : box) {
        low = std::min(low, Component(e.colour, axis));
        high = std::max(high, Component(e.colour, axis));
    }
    return high - low;
}

int WidestAxis(const Box& box) {
    int best = 0;
    for (int axis = 1; axis < 3; ++axis)
        if (Range(box, axis) > Range(box, best))
            best = axis;
    return best;
}

long Weight(const Box& box) {
    long total = 0;
    for (const Entry& e : box)
        total += e.count;
    return total;
}

// Splits the box at the pixel-weighted median of its widest axis.
std::pair<Box, Box> Split(Box box) {
    const int axis = WidestAxis(box);
    std::sort(box.begin(), box.end(), [axis](const Entry& a, const Entry& b) {
        return Component(a.colour, axis) < Component(b.colour, axis);
    });
    const long half = Weight(box) / 2;
    long seen = 0;
    std::size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        seen += box[cut - 1].count;
        if (seen >= half)
            break;
    }
    return {Box(box.begin(), box.begin() + cut), Box(box.begin() + cut, box.end())};
}

Rgb8 Average(const Box& box) {
    double r = 0, g = 0, b = 0;
    const double total = static_cast<double>(Weight(box));
    for (const Entry& e : box) {
        r += e.colour.r * static_cast<double>(e.count);
        g += e.colour.g * static_cast<double>(e.count);
        b += e.colour.b * static_cast<double>(e.count);
    }
    return {Channel(r / total), Channel(g / total), Channel(b / total)};
}

std::uint8_t Nearest(const std::vector<Rgb8>& palette, Rgb8 c) {
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
        const long distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = static_cast<int>(i);
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace

IndexedImage Quantize(const Canvas& canvas, int colours) {
    std::map<std::uint32_t, long> histogram;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb8 c = ToRgb8(canvas.At(x, y));
            ++histogram[c.r << 16 | c.g << 8 | c.b];
        }
    std::vector<Box> boxes(1);
    for (const auto& [key, count] : histogram)
        boxes[0].push_back(
            {Rgb8{static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8),
                  static_cast<std::uint8_t>(key)},
             count});
    // Split the box that spans the most colour, weighted by its pixels, until
    // the palette is full or every box holds a single colour.
    while (static_cast<int>(boxes.size()) < colours) {
        auto widest = boxes.end();
        double widestScore = 0;
        for (auto it = boxes.begin(); it != boxes.end(); ++it) {
            if (it->size() < 2)
                continue;
            const double score = Range(*it, WidestAxis(*it)) * std::sqrt(double(Weight(*it)));
            if (score > widestScore) {
                widestScore = score;
                widest = it;
            }
        }
        if (widest == boxes.end())
            break;
        auto [low, high] = Split(std::move(*widest));
        *widest = std::move(low);
        boxes.push_back(std::move(high));
    }

    IndexedImage image;
    image.width = canvas.Width();
    image.height = canvas.Height();
    for (const Box& box : boxes)
        image.palette.push_back(Average(box));
    std::map<std::uint32_t, std::uint8_t> lookup;
    for (const auto& [key, count] : histogram)
        lookup[key] = Nearest(image.palette, {static_cast<std::uint8_t>(key >> 16),
                                              static_cast<std::uint8_t>(key >> 8),
                                              static_cast<std::uint8_t>(key)});
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb8 c = ToRgb8(canvas.At(x, y));
            image.pixels.push_back(lookup[c.r << 16 | c.g << 8 | c.b]);
        }
    return image;
}
