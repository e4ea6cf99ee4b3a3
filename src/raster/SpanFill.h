#pragma once

#include "raster/CanvasImage.h"
#include "raster/CanvasRecorder.h"

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

// A template on what it tells of its runs. The copy that tells nothing is
// made in FloodFill.cpp and the recorded one in RecordedSpanFill.cpp: compiled
// together, the plain fill came out 7% slower.

namespace spanfill {

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
// scan a leak past the left end); the start adds two. So the stack can never
// hold more than this.
constexpr std::size_t kMaxSegments = 3 * kMaxSpans + 2;

// Allocated once and left uninitialised, so only the pages a fill really uses
// are ever touched.
inline Segment* segmentStack()
{
    thread_local const std::unique_ptr<Segment[]> stack(new Segment[kMaxSegments]);
    return stack.get();
}

constexpr int kWidth = CanvasImage::kWidth;
constexpr int kHeight = CanvasImage::kHeight;
using Pixel = CanvasImage::StoredPixel;

#if defined(__SSE2__)
inline __m128i load4(const Pixel* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
inline void store4(Pixel* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
inline __m128i broadcast(Pixel c) { return _mm_set1_epi32(static_cast<int>(c)); }

// True when all eight pixels from p equal the surface.
inline bool eightEqual(const Pixel* p, __m128i surface)
{
    const __m128i a = _mm_cmpeq_epi32(load4(p), surface);
    const __m128i b = _mm_cmpeq_epi32(load4(p + 4), surface);
    return _mm_movemask_epi8(_mm_and_si128(a, b)) == 0xFFFF;
}
#endif

// Paints the run of `surface` that starts at `from`; returns one past its end.
// Scanning and painting go together so each pixel is visited once.
inline int paintRight(Pixel* row, int from, Pixel surface, Pixel fill)
{
    int x = from;
    // Most runs in line art end at once; do not pay for the wide loop then.
    if (x >= kWidth || row[x] != surface) return x;
#if defined(__SSE2__)
    const __m128i s = broadcast(surface), f = broadcast(fill);
    while (kWidth - x >= 8 && eightEqual(row + x, s)) {
        store4(row + x, f);
        store4(row + x + 4, f);
        x += 8;
    }
#endif
    while (x < kWidth && row[x] == surface) row[x++] = fill;
    return x;
}

// Paints the run of `surface` that ends just before `end`; returns its start.
inline int paintLeft(Pixel* row, int end, Pixel surface, Pixel fill)
{
    int x = end;
    if (x <= 0 || row[x - 1] != surface) return x;
#if defined(__SSE2__)
    const __m128i s = broadcast(surface), f = broadcast(fill);
    while (x >= 8 && eightEqual(row + x - 8, s)) {
        store4(row + x - 8, f);
        store4(row + x - 4, f);
        x -= 8;
    }
#endif
    while (x > 0 && row[x - 1] == surface) row[--x] = fill;
    return x;
}

// The first pixel of `surface` in [from, last], or last + 1. Usually a short
// hop over an outline; long ones cross what another branch already filled.
inline int skipToSurface(const Pixel* row, int from, int last, Pixel surface)
{
    int x = from;
    for (int n = 0; n < 4; ++n, ++x)
        if (x > last || row[x] == surface) return x;
#if defined(__SSE2__)
    const __m128i s = broadcast(surface);
    while (last + 1 - x >= 8) {
        const __m128i a = _mm_cmpeq_epi32(load4(row + x), s);
        const __m128i b = _mm_cmpeq_epi32(load4(row + x + 4), s);
        if (_mm_movemask_epi8(_mm_or_si128(a, b)) != 0) break;
        x += 8;
    }
#endif
    while (x <= last && row[x] != surface) ++x;
    return x;
}

// The start pixel is `surface` and `fill` differs from it. Each run painted
// is handed to `report`(row, left, right) as soon as it is painted.
template <typename Report>
inline PixelRect spanFill(Pixel* const pixels, int x, int y, Pixel surface, Pixel fill, Report report)
{
    Segment* const stack = segmentStack();
    std::size_t top = 0;
    int minX = x, maxX = x, minY = y, maxY = y;

    // The entry most recently pushed is kept out of the stack: it is the one
    // popped next, so it need not make the trip through memory.
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
        int row = seg.row + dy;
        const int x1 = seg.left;
        const int x2 = seg.right;
        Pixel* line = pixels + static_cast<std::size_t>(row) * kWidth;

        if (x1 == x2 && x1 > 0 && x1 < kWidth - 1) {
            // Down a one-pixel corridor every row repeats its parent; walk it
            // without the stack until it widens, turns or ends.
            const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(dy) * kWidth;
            const int rowsLeft = dy > 0 ? kHeight - row : row + 1;
            Pixel* p = line + x1;
            int walked = 0;
            while (walked < rowsLeft && p[0] == surface && p[-1] != surface && p[1] != surface) {
                *p = fill;
                p += stride;
                ++walked;
            }
            if (walked > 0) {
                for (int k = 0; k < walked; ++k) report(row + k * dy, x1, x1);
                const int last = row + (walked - 1) * dy;
                minX = std::min(minX, x1);
                maxX = std::max(maxX, x1);
                minY = std::min({minY, row, last});
                maxY = std::max({maxY, row, last});
                if (walked == rowsLeft) continue;
                row += walked * dy;
                line += walked * stride;
            }
        }

        const auto painted = [&](int start, int end) {
            report(row, start, end - 1);
            minX = std::min(minX, start);
            maxX = std::max(maxX, end - 1);
            minY = std::min(minY, row);
            maxY = std::max(maxY, row);
            push(row, start, end - 1, dy);
            if (end > x2 + 1) push(row, x2 + 1, end - 1, -dy);
        };
        int cx = x1;
        if (line[x1] == surface) {
            const int start = paintLeft(line, x1 + 1, surface, fill);
            if (start < x1) push(row, start, x1 - 1, -dy);
            const int end = paintRight(line, x1 + 1, surface, fill);
            painted(start, end);
            cx = end + 1;
        }
        while ((cx = skipToSurface(line, cx, x2, surface)) <= x2) {
            const int end = paintRight(line, cx, surface, fill);
            painted(cx, end);
            cx = end + 1;
        }
    }
    return {minX, minY, maxX - minX + 1, maxY - minY + 1};
}

// The fill, each run told to `recorder` as soon as it is painted.
PixelRect recordedSpanFill(Pixel* pixels, int x, int y, Pixel surface, Pixel fill, CanvasRecorder& recorder);

}  // namespace spanfill
