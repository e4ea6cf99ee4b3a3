#pragma once

// The pixels a test expects on the canvas or in a file, worked out from the
// picture it gave the program and what the child did.

#include <QImage>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace e2e {

constexpr int kWidth = 685;
constexpr int kCanvasHeight = 557;
constexpr int kPictureHeight = 556;

// As QRgb without alpha: 0xRRGGBB.
constexpr QRgb kBlack = 0x000000;
constexpr QRgb kWhite = 0xFFFFFF;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kGreen = 0x00FF00;
constexpr QRgb kOrange = 0xFF8000;

// A picture or a canvas as plain pixels, painted by the rules the child sees.
class Pixels {
public:
    Pixels(int width, int height, QRgb colour)
        : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width * height), colour)
    {
    }
    static Pixels fromImage(const QImage& image)
    {
        Pixels p(image.width(), image.height(), kWhite);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) p.set(x, y, image.pixel(x, y) & 0xFFFFFFu);
        return p;
    }

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    QRgb at(int x, int y) const { return m_pixels[static_cast<std::size_t>(y * m_width + x)]; }
    void set(int x, int y, QRgb colour)
    {
        if (contains(x, y)) m_pixels[static_cast<std::size_t>(y * m_width + x)] = colour;
    }
    void fill(const QRect& area, QRgb colour)
    {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) set(x, y, colour);
    }
    void outline(const QRect& r)
    {
        fill({r.left(), r.top(), r.width(), 1}, kBlack);
        fill({r.left(), r.bottom(), r.width(), 1}, kBlack);
        fill({r.left(), r.top(), 1, r.height()}, kBlack);
        fill({r.right(), r.top(), 1, r.height()}, kBlack);
    }
    // The 4-connected area of the colour at (x, y) takes `colour`.
    void floodFill(int x, int y, QRgb colour);
    // The pencil's square; pure black is never painted over.
    void stamp(int x, int y, int pencilSize, QRgb colour)
    {
        for (int i = -pencilSize; i <= pencilSize; ++i)
            for (int j = -pencilSize; j <= pencilSize; ++j)
                if (contains(x + i, y + j) && at(x + i, y + j) != kBlack) set(x + i, y + j, colour);
    }

private:
    int m_width;
    int m_height;
    std::vector<QRgb> m_pixels;
};

// Opening moves the picture down one row and draws its top row again above.
Pixels openedOnCanvas(const Pixels& picture);

// Where `image`, read from `origin` on, differs from `expected`; empty when
// nowhere.
std::string differences(const Pixels& expected, const QImage& image, QPoint origin = {});

// A 1-bit file with the usual table: index 0 black, index 1 white.
bool writeMonochrome(const Pixels& picture, const QString& path);

}  // namespace e2e
