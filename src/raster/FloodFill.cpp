#include "raster/CanvasImage.h"

#include <algorithm>
#include <cstdint>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// A span fill after Heckbert's seed fill: each stack entry is a run of row
// `row + dy` to scan, lying under the span [left, right] already filled in
// `row`. Only the parts of a new span that stick out past its parent are
// scanned back towards the parent, so a pixel is looked at a few times at most.

namespace {

struct Segment {
    std::int16_t left;
    std::int16_t right;
    std::int16_t row;
    std::int16_t dy;
};

// A row holds at most this many separate runs of one colour.
constexpr std::size_t kMaxSpansPerRow = (CanvasImage::kWidth + 1) / 2;
constexpr std::size_t kMaxSpans = kMaxSpansPerRow * CanvasImage::kHeight;
// Every run is filled once, at one go, and pushes at most three segments (its
// child, a leak back past its parent's right end, and for the first run of a
// scan a leak past the left end); the start pushes one more. So the stack can
// never hold more than this.
constexpr std::size_t kMaxSegments = 3 * kMaxSpans + 2;

// Allocated once and left uninitialised, so only the pages a fill really uses
// are ever touched.
Segment* segmentStack()
{
    thread_local const std::unique_ptr<Segment[]> stack(new Segment[kMaxSegments]);
    return stack.get();
}

#if defined(__SSE2__)
inline __m128i load4(const Colour* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

// True when all eight pixels from p equal the surface.
inline bool eightEqual(const Colour* p, __m128i surface)
{
    const __m128i a = _mm_cmpeq_epi32(load4(p), surface);
    const __m128i b = _mm_cmpeq_epi32(load4(p + 4), surface);
    return _mm_movemask_epi8(_mm_and_si128(a, b)) == 0xFFFF;
}
#endif

// One past the last pixel of the run of `surface` that starts at `from`.
inline int runEnd(const Colour* row, int from, Colour surface)
{
    int x = from;
    // Most runs in line art end at once; do not pay for the wide loop then.
    if (x >= CanvasImage::kWidth || row[x] != surface) return x;
#if defined(__SSE2__)
    const __m128i s = _mm_set1_epi32(static_cast<int>(surface));
    while (CanvasImage::kWidth - x >= 8 && eightEqual(row + x, s)) x += 8;
#endif
    while (x < CanvasImage::kWidth && row[x] == surface) ++x;
    return x;
}

// The first pixel of the run of `surface` that ends just before `end`.
inline int runStart(const Colour* row, int end, Colour surface)
{
    int x = end;
    if (x <= 0 || row[x - 1] != surface) return x;
#if defined(__SSE2__)
    const __m128i s = _mm_set1_epi32(static_cast<int>(surface));
    while (x >= 8 && eightEqual(row + x - 8, s)) x -= 8;
#endif
    while (x > 0 && row[x - 1] == surface) --x;
    return x;
}

inline void fillRun(Colour* row, int from, int end, Colour colour)
{
    int x = from;
#if defined(__SSE2__)
    const __m128i c = _mm_set1_epi32(static_cast<int>(colour));
    for (; end - x >= 4; x += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x), c);
#endif
    for (; x < end; ++x) row[x] = colour;
}

}  // namespace

PixelRect CanvasImage::floodFillSurface(int x, int y, Colour surface)
{
    surface &= 0x00FFFFFF;
    if (!contains(x, y) || pixel(x, y) != surface || m_fillColour == surface) return {};
    const Colour fill = m_fillColour;
    Colour* const pixels = m_pixels.data();
    Segment* const stack = segmentStack();
    std::size_t top = 0;
    int minX = x, maxX = x, minY = y, maxY = y;

    // The entry most recently pushed is kept out of the stack: it is the one
    // popped next, and along a one-pixel corridor it is the only one.
    Segment next{};
    bool haveNext = false;
    const auto push = [&](int row, int left, int right, int dy) {
        if (static_cast<unsigned>(row + dy) >= static_cast<unsigned>(kHeight)) return;
        if (haveNext) stack[top++] = next;
        next = {static_cast<std::int16_t>(left), static_cast<std::int16_t>(right), static_cast<std::int16_t>(row),
                static_cast<std::int16_t>(dy)};
        haveNext = true;
    };

    push(y, x, x, 1);
    push(y + 1, x, x, -1);
    while (haveNext || top > 0) {
        const Segment seg = haveNext ? next : stack[--top];
        haveNext = false;
        const int dy = seg.dy;
        const int row = seg.row + dy;
        const int x1 = seg.left;
        const int x2 = seg.right;
        Colour* const line = pixels + static_cast<std::size_t>(row) * kWidth;

        int cx = x1;
        if (line[x1] == surface) {
            const int start = runStart(line, x1, surface);
            if (start < x1) push(row, start, x1 - 1, -dy);
            cx = start;
        }
        while (true) {
            while (cx <= x2 && line[cx] != surface) ++cx;
            if (cx > x2) break;
            const int end = runEnd(line, cx + 1, surface);
            fillRun(line, cx, end, fill);
            minX = std::min(minX, cx);
            maxX = std::max(maxX, end - 1);
            minY = std::min(minY, row);
            maxY = std::max(maxY, row);
            push(row, cx, end - 1, dy);
            if (end > x2 + 1) push(row, x2 + 1, end - 1, -dy);
            cx = end + 1;
        }
    }
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}
