#pragma once

#include "history/HistoryStep.h"
#include "raster/CanvasRecorder.h"

#include <cstdint>
#include <optional>
#include <vector>

class CanvasImage;

// Builds a step from what the canvas reports while it is recorded. A pixel
// is noted once per part, with its colour before its first change; its
// colour after is read from the canvas when the part ends, so a stroke that
// goes over the same pixels many times costs no more than one that does not.
class StepRecorder : public CanvasRecorder {
public:
    explicit StepRecorder(const CanvasImage& canvas);

    void fillStarts(StoredPixel surface, StoredPixel fill) override;
    void filledRun(int row, int left, int right) override;
    void pixelChanging(std::size_t index, StoredPixel before) override;

    // The step recorded since the last finish() or discard(), sized to fit;
    // nothing when no pixel has ended in another colour.
    std::optional<HistoryStep> finish();
    void discard();

private:
    void endPixelPart();

    const CanvasImage& m_canvas;
    HistoryStep m_step;  // its arrays keep their room from one step to the next
    bool m_inPixelPart = false;
    std::vector<std::uint64_t> m_noted;  // one bit per pixel of the current part
};
