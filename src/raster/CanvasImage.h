#pragma once

#include "raster/CanvasRecorder.h"
#include "raster/Colour.h"
#include "raster/PixelRect.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The one persistent canvas image: 685 by 557 pixels, rows top to bottom, no
// padding. Every operation speaks colours as 0x00BBGGRR; the pixels are kept
// as the words screens draw without conversion (see StoredPixel), and the two
// forms meet only here. Every painting operation returns the rectangle it
// changed (empty when nothing changed).
class CanvasImage {
public:
    static constexpr int kWidth = 685;
    static constexpr int kHeight = 557;

    // 0xFFRRGGBB: Qt's RGB32 and a 32-bit Windows DIB section alike, so a
    // front-end wraps the buffer and draws any part of it as it is.
    using StoredPixel = std::uint32_t;
    static constexpr StoredPixel toStored(Colour c)
    {
        return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
    }
    static constexpr Colour fromStored(StoredPixel s)
    {
        return ((s & 0xFFu) << 16) | (s & 0xFF00u) | ((s >> 16) & 0xFFu);
    }

    explicit CanvasImage(Colour background = kWhite);
    // A copy keeps its pixels in memory of its own; assigning copies the
    // pixels into wherever this image keeps its own.
    CanvasImage(const CanvasImage& other);
    CanvasImage& operator=(const CanvasImage& other);

    // From now on the pixels live in `words`: kWidth * kHeight words laid out
    // as words() is, which take the current pixels now. The caller keeps that
    // memory alive, untouched but for reading, as long as this image is used.
    // A front-end gives its own bitmap's memory, so the screen is drawn
    // straight from the image.
    void adoptStorage(StoredPixel* words);

    static bool contains(int x, int y) { return x >= 0 && y >= 0 && x < kWidth && y < kHeight; }

    // Fractional positions map to the pixel the rounding of roundToPixel gives.
    // Outside the drawing area: kOutsidePixel, never pure black.
    std::int32_t readPixel(float x, float y) const;
    // Outside the drawing area nothing changes.
    PixelRect setPixel(float x, float y, Colour colour);

    // Unchecked access for code that has already clipped.
    Colour pixel(int x, int y) const { return fromStored(m_pixels[index(x, y)]); }
    void storePixel(int x, int y, Colour c) { m_pixels[index(x, y)] = toStored(c); }
    // Every pixel in one colour.
    PixelRect clear(Colour colour);

    Colour fillColour() const { return m_fillColour; }
    void setFillColour(Colour colour) { m_fillColour = colour & 0x00FFFFFF; }
    Colour background() const { return m_background; }

    // ExtFloodFill with FLOODFILLSURFACE: the 4-connected region of pixels
    // equal to `surface` that holds (x, y) takes the fill colour. A start
    // pixel of another colour, one outside the image, or a fill colour equal
    // to `surface` changes nothing. Iterative, with a bounded stack.
    PixelRect floodFillSurface(int x, int y, Colour surface);

    // SetPixelV.
    PixelRect setPixelV(int x, int y, Colour colour);

    // One pencil stamp: the square of pixels up to `reach` around (x, y)
    // takes the colour, except pixels that are pure black, so outlines
    // survive any stroke. Clipped to the canvas; reports only the pixels that
    // really changed.
    PixelRect stampSquare(int x, int y, int reach, Colour colour);

    // BitBlt SRCCOPY of the image onto itself, as if through a temporary copy.
    // Source pixels outside the image leave their destination pixels alone.
    PixelRect bitBlt(int destX, int destY, int width, int height, int srcX, int srcY);

    // The background picture: the image is cleared to the background colour
    // and the picture drawn from the top-left corner, clipped to the image.
    PixelRect setBackgroundPicture(const Colour* pixels, int width, int height, std::size_t stride);

    // The pixels as stored, for the front-end's view and for copies of the
    // whole image; not colours.
    const StoredPixel* words() const { return m_pixels; }
    static constexpr std::size_t kStride = kWidth;  // in pixels
    static PixelRect whole() { return {0, 0, kWidth, kHeight}; }

    // While set, the flood fill, the stamp and setPixel/setPixelV report to
    // `recorder` what they change; nullptr stops it. A copy of the image
    // records nothing until told to.
    void setRecorder(CanvasRecorder* recorder) { m_recorder = recorder; }

    // Putting recorded words back: unchecked, and never reported.
    static std::size_t index(int x, int y) { return static_cast<std::size_t>(y) * kWidth + static_cast<std::size_t>(x); }
    StoredPixel wordAt(std::size_t index) const { return m_pixels[index]; }
    void putWord(std::size_t index, StoredPixel word) { m_pixels[index] = word; }
    void putRun(int row, int left, int right, StoredPixel word);

private:
    static constexpr std::size_t kPixelCount = static_cast<std::size_t>(kWidth) * kHeight;

    std::vector<StoredPixel> m_own;  // empty once the storage is adopted
    StoredPixel* m_pixels;           // every operation goes through this one pointer
    CanvasRecorder* m_recorder = nullptr;  // a copy records nothing
    Colour m_fillColour = kPureBlack;
    Colour m_background;
};

static_assert(CanvasImage::toStored(kPureBlack) == 0xFF000000u && CanvasImage::fromStored(0xFF000000u) == kPureBlack,
              "the outline colour must stay exactly recognisable in both forms");
