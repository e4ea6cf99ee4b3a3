#include "history/StepRecorder.h"

#include "raster/CanvasImage.h"

#include <algorithm>

namespace {

constexpr std::size_t kPixels = std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight;

template <typename T>
std::vector<T> fitted(const std::vector<T>& v)
{
    return std::vector<T>(v.begin(), v.end());
}

}  // namespace

StepRecorder::StepRecorder(const CanvasImage& canvas) : m_canvas(canvas), m_noted((kPixels + 63) / 64, 0) {}

void StepRecorder::fillStarts(StoredPixel surface, StoredPixel fill)
{
    endPixelPart();
    m_step.parts.push_back({true, surface, fill, m_step.runs.size(), 0});
}

void StepRecorder::filledRun(int row, int left, int right)
{
    m_step.runs.push_back({static_cast<std::int16_t>(row), static_cast<std::int16_t>(left),
                           static_cast<std::int16_t>(right)});
    ++m_step.parts.back().count;
}

void StepRecorder::pixelChanging(std::size_t index, StoredPixel before)
{
    if (!m_inPixelPart) {
        m_step.parts.push_back({false, 0, 0, m_step.pixels.size(), 0});
        m_inPixelPart = true;
    }
    std::uint64_t& word = m_noted[index / 64];
    const std::uint64_t bit = std::uint64_t{1} << (index % 64);
    if (word & bit) return;
    word |= bit;
    m_step.pixels.push_back({static_cast<std::uint32_t>(index), before, before});
    ++m_step.parts.back().count;
}

void StepRecorder::endPixelPart()
{
    if (!m_inPixelPart) return;
    m_inPixelPart = false;
    // The part is the last one, so its pixels are the tail of the array.
    HistoryStep::Part& part = m_step.parts.back();
    const auto first = m_step.pixels.begin() + static_cast<std::ptrdiff_t>(part.first);
    for (auto it = first; it != m_step.pixels.end(); ++it) {
        it->after = m_canvas.wordAt(it->index);
        m_noted[it->index / 64] = 0;
    }
    // A pixel painted and painted back is no change.
    m_step.pixels.erase(std::remove_if(first, m_step.pixels.end(),
                                       [](const HistoryStep::PixelChange& c) { return c.before == c.after; }),
                        m_step.pixels.end());
    part.count = m_step.pixels.size() - part.first;
    if (part.count == 0) m_step.parts.pop_back();
}

std::optional<HistoryStep> StepRecorder::finish()
{
    endPixelPart();
    std::optional<HistoryStep> result;
    if (!m_step.isEmpty()) {
        result.emplace();
        result->parts = fitted(m_step.parts);
        result->runs = fitted(m_step.runs);
        result->pixels = fitted(m_step.pixels);
        result->measure();
    }
    discard();
    return result;
}

void StepRecorder::discard()
{
    // Only the words of the pixels noted: clearing the whole map would cost
    // more than a short stroke.
    for (std::size_t i = m_inPixelPart ? m_step.parts.back().first : m_step.pixels.size(); i < m_step.pixels.size(); ++i)
        m_noted[m_step.pixels[i].index / 64] = 0;
    m_inPixelPart = false;
    m_step.parts.clear();
    m_step.runs.clear();
    m_step.pixels.clear();
}
