#include "history/HistoryStep.h"

#include <algorithm>

std::size_t HistoryStep::bytes() const
{
    return sizeof(*this) + parts.capacity() * sizeof(Part) + runs.capacity() * sizeof(FilledRun)
        + pixels.capacity() * sizeof(PixelChange);
}

void HistoryStep::measure()
{
    constexpr int W = CanvasImage::kWidth;
    int minX = W, maxX = -1, minY = CanvasImage::kHeight, maxY = -1;
    for (const FilledRun& run : runs) {
        minX = std::min<int>(minX, run.left);
        maxX = std::max<int>(maxX, run.right);
        minY = std::min<int>(minY, run.row);
        maxY = std::max<int>(maxY, run.row);
    }
    for (const PixelChange& change : pixels) {
        const int x = static_cast<int>(change.index % W);
        const int y = static_cast<int>(change.index / W);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    m_changed = maxX < 0 ? PixelRect{} : PixelRect{minX, minY, maxX - minX + 1, maxY - minY + 1};
}

void HistoryStep::put(CanvasImage& canvas, const Part& part, bool before) const
{
    if (part.isFill) {
        const StoredPixel word = before ? part.from : part.to;
        for (std::size_t i = part.first; i < part.first + part.count; ++i)
            canvas.putRun(runs[i].row, runs[i].left, runs[i].right, word);
    } else {
        for (std::size_t i = part.first; i < part.first + part.count; ++i)
            canvas.putWord(pixels[i].index, before ? pixels[i].before : pixels[i].after);
    }
}

PixelRect HistoryStep::undo(CanvasImage& canvas) const
{
    // Backwards, so a pixel changed by two parts ends as it was before both.
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) put(canvas, *part, true);
    return m_changed;
}

PixelRect HistoryStep::redo(CanvasImage& canvas) const
{
    for (const Part& part : parts) put(canvas, part, false);
    return m_changed;
}
