#pragma once

#include "raster/CanvasImage.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// One step of the history: what one press did to the canvas until its
// release, kept compactly enough that a hundred of them fit in a few
// megabytes. A fill is its two colours and the runs it painted; other
// changes are each pixel's colour before and after. Undoing puts the
// "before" back, redoing the "after"; either is right only on the canvas as
// the step left it, or as undoing it left it.
class HistoryStep {
public:
    using StoredPixel = CanvasImage::StoredPixel;

    struct FilledRun {
        std::int16_t row;
        std::int16_t left;
        std::int16_t right;  // included
    };
    struct PixelChange {
        std::uint32_t index;
        StoredPixel before;
        StoredPixel after;
    };
    // The changes in the order they were made: a fill's runs, or a set of
    // pixels, each a slice of the arrays below.
    struct Part {
        bool isFill;
        StoredPixel from;  // for a fill: the area's colour before
        StoredPixel to;    // and after
        std::size_t first;
        std::size_t count;
    };

    std::vector<Part> parts;
    std::vector<FilledRun> runs;
    std::vector<PixelChange> pixels;

    bool isEmpty() const { return parts.empty(); }
    // What it takes in memory, all told.
    std::size_t bytes() const;
    // Every pixel the step changed lies in this rectangle.
    PixelRect changed() const { return m_changed; }
    // Works it out from the parts; once they are complete.
    void measure();

    PixelRect undo(CanvasImage& canvas) const;
    PixelRect redo(CanvasImage& canvas) const;

private:
    // The part's pixels as they were before it, or after.
    void put(CanvasImage& canvas, const Part& part, bool before) const;

    PixelRect m_changed;
};
