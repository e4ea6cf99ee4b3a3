#pragma once

#include <cstddef>
#include <cstdint>

// What a canvas image tells while a change is being recorded for undoing:
// the painting operations (flood fill, pencil stamp, set pixel) report each
// pixel just before they change it. Pixels are given as stored words and
// indices into the image, row by row; the other operations are not reported.
class CanvasRecorder {
public:
    using StoredPixel = std::uint32_t;

    virtual ~CanvasRecorder() = default;

    // A flood fill starts; every run it reports until the next call goes from
    // `surface` to `fill`.
    virtual void fillStarts(StoredPixel surface, StoredPixel fill) = 0;
    // Columns left to right, both included, of `row` have just been filled.
    virtual void filledRun(int row, int left, int right) = 0;
    // The pixel at `index` is about to change from `before`.
    virtual void pixelChanging(std::size_t index, StoredPixel before) = 0;
};
