// Draws the About dialog's logo and maker notice and writes them as BMP files:
//   aboutart <output folder>
#include "Font.h"
#include "IndexedBmp.h"
#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kPi = 3.14159265358979323846;

const Rgb kWhite{255, 255, 255};
const Rgb kDeepBlue{0, 16, 152};
const Rgb kLightBlue{72, 112, 232};

Rgb mix(Rgb from, Rgb to, double t)
{
    auto channel = [t](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// The logo's 33 colours: white, then 16 steps from white to deep blue, then
// 16 steps from white to light blue. A step is an edge pixel's share of ink.
constexpr int kSteps = 16;
constexpr std::uint8_t kDeepBase = 1;
constexpr std::uint8_t kLightBase = 1 + kSteps;

std::uint8_t step(double coverage)
{
    return static_cast<std::uint8_t>(std::clamp<long>(std::lround(coverage * kSteps), 0, kSteps));
}

// ---- the big word -------------------------------------------------------------

Contour rect(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// A squarish oval, fuller than an ellipse, for a wide heavy O.
Contour superellipse(double cx, double cy, double rx, double ry, double power)
{
    Contour c;
    const int steps = 160;
    for (int i = 0; i < steps; ++i) {
        const double a = 2.0 * kPi * i / steps;
        const double ca = std::cos(a);
        const double sa = std::sin(a);
        c.push_back({cx + rx * std::copysign(std::pow(std::fabs(ca), 2.0 / power), ca),
                     cy + ry * std::copysign(std::pow(std::fabs(sa), 2.0 / power), sa)});
    }
    return c;
}

void offset(std::vector<Contour>& shape, double dx, double dy)
{
    for (Contour& c : shape)
        for (Point& p : c) {
            p.x += dx;
            p.y += dy;
        }
}

// Each letter is a list of separately filled shapes, in pixels from the
// letter's top-left corner; returns the letter's width.
using Letter = std::vector<std::vector<Contour>>;

double capital(char ch, double h, Letter& out)
{
    const double stem = 11.0;
    const double bar = 10.0;
    switch (ch) {
    case 'T': {
        const double w = 38.0;
        out.push_back({rect(0, 0, w, bar)});
        out.push_back({rect((w - stem) / 2, 0, (w + stem) / 2, h)});
        return w;
    }
    case 'O': {
        const double w = 42.0;
        out.push_back({superellipse(w / 2, h / 2, w / 2, h / 2, 2.6),
                       superellipse(w / 2, h / 2, w / 2 - stem - 0.5, h / 2 - bar, 2.6)});
        return w;
    }
    case 'V': {
        const double w = 40.0;
        out.push_back({{{0, 0}, {stem + 0.5, 0}, {w / 2, h - 12.0}, {w - stem - 0.5, 0}, {w, 0}, {w / 2 + 6.0, h},
                        {w / 2 - 6.0, h}}});
        return w;
    }
    case 'E': {
        const double w = 34.0;
        out.push_back({rect(0, 0, stem, h)});
        out.push_back({rect(0, 0, w, bar)});
        out.push_back({rect(0, (h - bar) / 2, w - 4.0, (h + bar) / 2)});
        out.push_back({rect(0, h - bar, w, h)});
        return w;
    }
    case 'L': {
        const double w = 32.0;
        out.push_back({rect(0, 0, stem, h)});
        out.push_back({rect(0, h - bar, w, h)});
        return w;
    }
    case 'A': {
        const double w = 42.0;
        const double crossTop = h - 20.0;
        const double crossBottom = h - 11.0;
        // Inner edges of the legs run parallel to the outer ones.
        const double slope = (w / 2 - 6.0) / h;
        const double inner = stem + 1.0;
        out.push_back({{{w / 2 - 6.0, 0}, {w / 2 + 6.0, 0}, {w, h}, {w - inner, h},
                        {w - inner - slope * (h - crossBottom), crossBottom},
                        {inner + slope * (h - crossBottom), crossBottom}, {inner, h}, {0, h}},
                       {{w / 2, 13.0}, {w / 2 + slope * (crossTop - 13.0), crossTop},
                        {w / 2 - slope * (crossTop - 13.0), crossTop}}});
        return w;
    }
    default:
        return 0.0;
    }
}

// Rows of the word alternate between deep and light blue; the light streaks
// thin out towards the bottom, which shades the letters like metal.
bool deepRow(int row, int top, int height)
{
    const int y = row - top;
    if (y < height / 3)
        return y % 2 == 0;
    if (y < 2 * height / 3)
        return y % 3 != 2;
    return y % 4 != 3;
}

IndexedImage drawLogo()
{
    const int width = 300;
    const int height = 134;
    Coverage word(width, height);
    Coverage deep(width, height);
    Coverage light(width, height);

    const int wordTop = 7;
    const double capHeight = 48.0;
    const char* letters = "TOVELLA";
    const double gap = 3.0;
    double x = 9.0;
    for (const char* p = letters; *p; ++p) {
        Letter letter;
        const double w = capital(*p, capHeight, letter);
        for (auto& shape : letter) {
            offset(shape, x, wordTop);
            word.fillPolygon(shape);
        }
        x += w + gap;
    }

    // Three waves under the word, the middle one light and out of phase.
    const double left = 10.2;
    const double right = 285.8;
    const Nib wavePen{1.2, 1.2, 0.0};
    for (int i = 0; i < 3; ++i) {
        std::vector<Point> wave;
        for (double wx = left; wx <= right + 1e-9; wx += 0.5) {
            const double phase = 2.0 * kPi * (wx - left) / 69.0 + (i == 1 ? kPi / 3 : 0.0);
            wave.push_back({wx, 64.5 + 7.0 * i + 3.0 * std::sin(phase)});
        }
        (i == 1 ? light : deep).strokePolyline(wave, wavePen);
    }

    // Two centred lines of bold text.
    const Face sans = sansBold();
    auto centredLine = [&](const std::u32string& text, double unitPx, double bottomRow, double pen) {
        const Nib nib{pen, pen, 0.0};
        auto strokes = layoutText(sans, text, unitPx, 0.0, 0.0);
        const Box box = inkBox(strokes, pen);
        shift(strokes, (width - (box.right - box.left)) / 2.0 - box.left, bottomRow - box.bottom);
        for (const auto& s : strokes)
            deep.strokePolyline(s, nib);
    };
    centredLine(U"The Tovella Vadovov Rurira", 1.22, 104.0, 1.25);
    centredLine(U"Pintaro v1.0", 1.45, 127.8, 1.35);

    IndexedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 8;
    image.palette.push_back(kWhite);
    for (int i = 1; i <= kSteps; ++i)
        image.palette.push_back(mix(kWhite, kDeepBlue, static_cast<double>(i) / kSteps));
    for (int i = 1; i <= kSteps; ++i)
        image.palette.push_back(mix(kWhite, kLightBlue, static_cast<double>(i) / kSteps));
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px) {
            double d = deep.at(px, py);
            double l = light.at(px, py);
            const double w = word.at(px, py);
            if (w > 0.0)
                (deepRow(py, wordTop, static_cast<int>(capHeight)) ? d : l) = std::max(w, 0.0);
            std::uint8_t index = 0;
            if (d >= l && step(d) > 0)
                index = static_cast<std::uint8_t>(kDeepBase + step(d) - 1);
            else if (step(l) > 0)
                index = static_cast<std::uint8_t>(kLightBase + step(l) - 1);
            image.pixels[static_cast<std::size_t>(py) * width + px] = index;
        }
    return image;
}

// ---- the maker notice -----------------------------------------------------------

IndexedImage drawMaker()
{
    const int width = 267;
    const int height = 30;
    Coverage ink(width, height);
    const Face hand = script();
    // A broad nib held at an angle: thick down-strokes, hairline joins.
    const double unitPx = 1.85;
    const Nib nib{1.15, 0.32, 0.75};
    auto strokes = layoutText(hand, U"\u00A9 2025-2026 The Pintaro Team", unitPx, 0.0, 0.0);
    const Box box = inkBox(strokes, nib.a);
    shift(strokes, (width - (box.right - box.left)) / 2.0 - box.left, (height - (box.bottom - box.top)) / 2.0 - box.top);
    for (const auto& s : strokes)
        ink.strokePolyline(s, nib);

    IndexedImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = 4;
    // White, then greys darkening to black: the share of ink in fifteenths.
    for (int i = 0; i < 16; ++i) {
        const auto v = static_cast<std::uint8_t>(std::lround(255.0 * (15 - i) / 15.0));
        image.palette.push_back({v, v, v});
    }
    image.pixels.assign(static_cast<std::size_t>(width) * height, 0);
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < width; ++px)
            image.pixels[static_cast<std::size_t>(py) * width + px] =
                static_cast<std::uint8_t>(std::lround(ink.at(px, py) * 15.0));
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: aboutart <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = writeBmp(drawLogo(), folder + "/logo.bmp");
    ok = writeBmp(drawMaker(), folder + "/maker.bmp") && ok;
    if (!ok) {
        std::fprintf(stderr, "aboutart: could not write the bitmaps into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
