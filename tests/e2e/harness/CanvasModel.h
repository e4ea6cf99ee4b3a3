#pragma once

// The pixels a test expects on the canvas or in a file, worked out from the
// picture it gave the program and what the child did.

#include "app/DisplayScale.h"

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
    void outline(const QRect& r, QRgb colour = kBlack)
    {
        fill({r.left(), r.top(), r.width(), 1}, colour);
        fill({r.left(), r.bottom(), r.width(), 1}, colour);
        fill({r.left(), r.top(), 1, r.height()}, colour);
        fill({r.right(), r.top(), 1, r.height()}, colour);
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

// As a screen at this scale shows the pixels: each device pixel the pixel
// under it, nothing blended.
Pixels enlarged(const Pixels& pixels, const DisplayScale& scale);

// Opening moves the picture down one row and draws its top row again above.
Pixels openedOnCanvas(const Pixels& picture);

// The test picture: three closed outlines, a one-pixel box, one line, and
// marks on its top and bottom rows that show where opening puts them.
// Places are in picture coordinates.
inline const QRect kFrameA{QPoint(40, 40), QPoint(240, 190)};
inline const QRect kFrameB{QPoint(300, 40), QPoint(500, 190)};
inline const QRect kFrameC{QPoint(40, 300), QPoint(240, 450)};
inline const QRect kOnePixelBox{QPoint(620, 40), QPoint(622, 42)};
constexpr int kLineX = 600;
constexpr int kLineTop = 250;
constexpr int kLineBottom = 500;
Pixels outlinePicture();
// The inside of an outline once opening has moved it down a row.
inline QRect interiorOnCanvas(const QRect& frame) { return frame.translated(0, 1).adjusted(1, 1, -1, -1); }

// A colouring page as parents find them: 2000 by 1500 times `scale`,
// anti-aliased outlines on white, a circle around the middle of the page;
// drawn at a tenth of that size where the name ends ".svg" or ".pdf".
bool writeColouringPage(const QString& path, int scale = 1);

// Where `image`, read from `origin` on, differs from `expected`; empty when
// nowhere.
std::string differences(const Pixels& expected, const QImage& image, QPoint origin = {});

// A 1-bit file with the usual table: index 0 black, index 1 white.
bool writeMonochrome(const Pixels& picture, const QString& path);

}  // namespace e2e
