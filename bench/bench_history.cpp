#include "BenchPictures.h"
#include "app/Form1.h"
#include "support/ScriptedPlatform.h"
#include "support/ScriptedWindow.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

// Recording a fill for undo is timed against the same fill without it (in
// bench_fill.cpp), and undoing or redoing a large fill against a plain copy
// of the whole canvas image.

namespace {

using namespace bench;

constexpr Colour kRed = 0x000000FF;

// Form1 on the scripted window with the fill tool chosen and the benchmark
// picture open; its largest white area is most of the canvas.
struct FillingForm {
    FillingForm() : form(window, platform)
    {
        form.Form_Load();
        form.PictureLoaded = 1;
        label = drawPicture(form.Picture1);
        region = largestWhiteRegion(form.Picture1);
        form.Command3_Click(1);
    }
    void fill(Colour colour)
    {
        form.Picture1.setFillColour(colour);
        const float x = static_cast<float>(region.x), y = static_cast<float>(region.y);
        form.Picture1_MouseDown(1, 0, x, y);
        form.Picture1_MouseUp(1, 0, x, y);
        window.canvasChanges.clear();
    }

    ScriptedWindow window;
    ScriptedPlatform platform;
    Form1 form;
    std::string label;
    Region region;
};

void BM_FloorCopyCanvas(benchmark::State& state)
{
    const std::size_t count = std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight;
    const std::vector<CanvasImage::StoredPixel> source(count, 0xFFFFFFFFu);
    std::vector<CanvasImage::StoredPixel> target(count);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), count * sizeof(CanvasImage::StoredPixel));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(count));
}
BENCHMARK(BM_FloorCopyCanvas);

// Through the press handler, each fill a step of the history; in steady
// state the oldest steps are dropped as the budget fills.
void BM_FillWithHistory(benchmark::State& state)
{
    FillingForm f;
    bool there = false;
    for (auto _ : state) {
        f.fill(there ? kWhite : kRed);
        benchmark::ClobberMemory();
        there = !there;
    }
    state.SetLabel(f.label);
    state.SetItemsProcessed(state.iterations() * f.region.pixels);
    state.counters["pixels"] = static_cast<double>(f.region.pixels);
    state.counters["steps_held"] = static_cast<double>(f.form.history().undoableSteps());
}
BENCHMARK(BM_FillWithHistory);

// The step of one fill over most of the canvas, undone and redone in turn;
// only `undoing` is timed.
void undoOrRedo(benchmark::State& state, bool undoing)
{
    FillingForm f;
    f.fill(kRed);
    using Command = void (Form1::*)();
    const auto timed = [&](Command command) {
        (f.form.*command)();
        benchmark::ClobberMemory();
    };
    const auto untimed = [&](Command command) {
        state.PauseTiming();
        (f.form.*command)();
        f.window.canvasChanges.clear();
        state.ResumeTiming();
    };
    for (auto _ : state) {
        if (undoing) {
            timed(&Form1::undo);
            untimed(&Form1::redo);
        } else {
            untimed(&Form1::undo);
            timed(&Form1::redo);
        }
    }
    if (f.form.Picture1.pixel(f.region.x, f.region.y) != kRed) state.SkipWithError("the fill was not redone");
    state.SetLabel(f.label);
    state.SetItemsProcessed(state.iterations() * f.region.pixels);
}

void BM_UndoLargeFill(benchmark::State& state) { undoOrRedo(state, true); }
BENCHMARK(BM_UndoLargeFill);

void BM_RedoLargeFill(benchmark::State& state) { undoOrRedo(state, false); }
BENCHMARK(BM_RedoLargeFill);

}  // namespace
