// Draws the wizard's pictures: the welcome bitmap (528 x 266, 256 colours), the
// same at twice the size for screens above 96 DPI, and the icon (32 x 32 and
// 16 x 16, 16 colours). Usage: draw_art <output folder>
#include "canvas.h"
#include "image_files.h"
#include "palette.h"
#include "pixel_font.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

const Rgb kNavy{12, 34, 66};
const Rgb kTeal{0, 128, 128};
const Rgb kOrange{255, 128, 0};
const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};
// The rack keeps clear of the right edge: where the dialog font is narrower
// than Comic Sans MS the dialog, and with it the picture, is cut short there.
constexpr double kRackLeft = 298;

double SegmentDistance(double x, double y, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double t = std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (x0 + t * dx), y - (y0 + t * dy));
}

void Stroke(Canvas& c, double x0, double y0, double x1, double y1, double width, Rgb colour) {
    const double r = width / 2;
    c.Fill(std::min(x0, x1) - r, std::min(y0, y1) - r, std::max(x0, x1) + r, std::max(y0, y1) + r,
           colour, [&](double x, double y) { return SegmentDistance(x, y, x0, y0, x1, y1) <= r; });
}

void Ring(Canvas& c, double cx, double cy, double rx, double ry, double width, Rgb colour) {
    c.Fill(cx - rx, cy - ry, cx + rx, cy + ry, colour, [&](double x, double y) {
        const double outer = std::pow((x - cx) / rx, 2) + std::pow((y - cy) / ry, 2);
        const double inner =
            std::pow((x - cx) / (rx - width), 2) + std::pow((y - cy) / (ry - width), 2);
        return outer <= 1.0 && inner > 1.0;
    });
}

void Backdrop(Canvas& c) {
    const double width = c.Width() / c.Scale(), height = c.Height() / c.Scale();
    for (int py = 0; py < c.Height(); ++py)
        for (int px = 0; px < c.Width(); ++px) {
            const double x = static_cast<double>(px) / c.Scale(),
                         y = static_cast<double>(py) / c.Scale();
            const double t = 0.6 * x / width + 0.4 * y / height;
            Rgb colour = Mix(kNavy, kTeal, t);
            // A soft light behind the rack.
            const double d2 =
                std::pow((x - kRackLeft - 72) / 150, 2) + std::pow((y - 120.0) / 120, 2);
            colour = Mix(colour, Rgb{90, 190, 190}, 0.35 * std::exp(-d2 * 1.5));
            c.At(px, py) = colour;
        }
    c.FillRect(0, 246, width, height, kBlack, 0.25);
}

void ArrayUnit(Canvas& c, double top, int unit) {
    c.FillRoundRect(kRackLeft + 12, top, kRackLeft + 132, top + 42, 3, Rgb{58, 64, 78});
    c.FillRect(kRackLeft + 12, top, kRackLeft + 132, top + 2, Rgb{110, 118, 134});
    for (int bay = 0; bay < 6; ++bay) {
        const double left = kRackLeft + 17 + bay * 18;
        c.FillRoundRect(left, top + 5, left + 15, top + 37, 2, Rgb{92, 100, 116});
        c.FillRect(left + 2, top + 10, left + 13, top + 12, Rgb{40, 44, 54});
        c.FillRect(left + 2, top + 15, left + 13, top + 17, Rgb{40, 44, 54});
        // One drive of each unit blinks amber: the array is at work.
        const Rgb led = (bay == (unit * 2 + 1) % 6) ? Rgb{255, 160, 20} : Rgb{70, 230, 100};
        c.FillEllipse(left + 7.5, top + 30, 2.2, 2.2, led);
    }
    c.FillEllipse(kRackLeft + 127, top + 21, 2.5, 2.5, Rgb{90, 170, 255});
}

void Rack(Canvas& c) {
    c.FillEllipse(kRackLeft + 72, 242, 92, 9, kBlack, 0.4);
    c.FillRoundRect(kRackLeft, 26, kRackLeft + 144, 240, 7, Rgb{78, 84, 98});
    c.FillRoundRect(kRackLeft + 4, 30, kRackLeft + 140, 236, 5, Rgb{30, 34, 42});
    for (int slot = 0; slot < 12; ++slot)
        c.FillRect(kRackLeft + 18 + slot * 9, 34, kRackLeft + 23 + slot * 9, 38, Rgb{70, 76, 90});
    for (int unit = 0; unit < 4; ++unit)
        ArrayUnit(c, 44 + unit * 47, unit);
}

void Title(Canvas& c) {
    // "Q6", drawn as strokes so that it stays smooth at this size.
    Ring(c, 95, 100, 42, 52, 13, kWhite);
    Stroke(c, 108, 124, 140, 160, 13, kWhite);
    Ring(c, 192, 118, 34, 34, 13, kOrange);
    Stroke(c, 165, 106, 204, 50, 13, kOrange);
    c.FillRect(40, 176, 290, 178, kOrange);
    DrawPixelText(c, 40, 188, "Network storage array", 2, kWhite);
    DrawPixelText(c, 40, 212, "Setup wizard  1.10", 2, Rgb{255, 180, 100});
}

// The standard 16-colour palette of Windows.
const Rgb8 kVga[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                       {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                       {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                       {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
enum Vga { Black = 0, Navy = 4, Silver = 7, Grey = 8, Lime = 10, Yellow = 11, White = 15 };

class IconPainter {
public:
    explicit IconPainter(int size) {
        m_icon.image = {size, size, {kVga, kVga + 16}, std::vector<std::uint8_t>(size * size, 0)};
        m_icon.transparent.assign(size * size, true);
    }
    // Inclusive pixel rectangle.
    void Rect(int left, int top, int right, int bottom, int colour) {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                m_icon.image.pixels[y * m_icon.image.width + x] = static_cast<std::uint8_t>(colour);
                m_icon.transparent[y * m_icon.image.width + x] = false;
            }
    }
    // A framed cabinet with a light upper left edge and a dark lower right one.
    void Cabinet(int left, int top, int right, int bottom) {
        Rect(left, top, right, bottom, Black);
        Rect(left + 1, top + 1, right - 1, bottom - 1, Silver);
        Rect(left + 1, top + 1, right - 1, top + 1, White);
        Rect(left + 1, top + 1, left + 1, bottom - 1, White);
        Rect(right - 1, top + 2, right - 1, bottom - 1, Grey);
        Rect(left + 2, bottom - 1, right - 1, bottom - 1, Grey);
    }
    const IconImage& Icon() const { return m_icon; }

private:
    IconImage m_icon;
};

IconImage Icon32() {
    IconPainter p(32);
    p.Cabinet(6, 2, 25, 29);
    for (int unit = 0; unit < 4; ++unit) {
        const int top = 5 + unit * 6;
        p.Rect(8, top, 23, top + 4, Navy);
        p.Rect(9, top + 2, 18, top + 2, Black);
        p.Rect(21, top + 1, 22, top + 2, unit == 1 ? Yellow : Lime);
    }
    p.Rect(7, 30, 9, 31, Black);
    p.Rect(22, 30, 24, 31, Black);
    return p.Icon();
}

IconImage Icon16() {
    IconPainter p(16);
    p.Cabinet(2, 1, 13, 14);
    for (int unit = 0; unit < 3; ++unit) {
        const int top = 3 + unit * 4;
        p.Rect(4, top, 11, top + 2, Navy);
        p.Rect(10, top + 1, 10, top + 1, unit == 1 ? Yellow : Lime);
    }
    p.Rect(3, 15, 4, 15, Black);
    p.Rect(11, 15, 12, 15, Black);
    return p.Icon();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool written = WriteIco4(folder + "/q6.ico", {Icon32(), Icon16()});
    for (const int scale : {1, 2}) {
        Canvas welcome(528, 266, scale);
        Backdrop(welcome);
        Rack(welcome);
        Title(welcome);
        written = written && WriteBmp8(folder + (scale == 1 ? "/welcome.bmp" : "/welcome-2x.bmp"),
                                       Quantize(welcome, 256));
    }
    if (!written) {
        std::fprintf(stderr, "cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
