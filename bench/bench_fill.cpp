#include "BenchPictures.h"
#include "raster/CanvasImage.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

// The fill is timed against a memset over the same buffer, since the machine
// is too noisy for absolute figures to mean much.

namespace {

using namespace bench;

constexpr int W = CanvasImage::kWidth;
constexpr int H = CanvasImage::kHeight;
constexpr Colour kRed = 0x000000FF;
constexpr std::size_t kPixelCount = static_cast<std::size_t>(W) * H;

// Fills the same region every iteration by swapping its colour back and forth.
void fillBackAndForth(benchmark::State& state, CanvasImage& canvas, int x, int y, long pixels)
{
    const Colour first = canvas.pixel(x, y);
    const Colour second = first == kRed ? kWhite : kRed;
    bool there = false;
    for (auto _ : state) {
        canvas.setFillColour(there ? first : second);
        benchmark::DoNotOptimize(canvas.floodFillSurface(x, y, there ? second : first));
        benchmark::ClobberMemory();
        there = !there;
    }
    state.SetItemsProcessed(state.iterations() * pixels);
    state.counters["pixels"] = static_cast<double>(pixels);
}

void BM_FloorFillCanvas(benchmark::State& state)
{
    std::vector<CanvasImage::StoredPixel> canvas(kPixelCount);
    int byte = 0;
    for (auto _ : state) {
        std::memset(canvas.data(), byte, kPixelCount * sizeof(CanvasImage::StoredPixel));
        benchmark::ClobberMemory();
        byte ^= 0xFF;
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kPixelCount));
}
BENCHMARK(BM_FloorFillCanvas);

void BM_FillWhiteCanvas(benchmark::State& state)
{
    CanvasImage canvas;
    fillBackAndForth(state, canvas, W / 2, H / 2, static_cast<long>(kPixelCount));
}
BENCHMARK(BM_FillWhiteCanvas);

void BM_FillPictureRegion(benchmark::State& state)
{
    CanvasImage canvas;
    state.SetLabel(drawPicture(canvas));
    const Region region = largestWhiteRegion(canvas);
    fillBackAndForth(state, canvas, region.x, region.y, region.pixels);
}
BENCHMARK(BM_FillPictureRegion);

void BM_FillCorridor(benchmark::State& state)
{
    // One-pixel white columns between black ones, joined alternately at the
    // top and the bottom: a single serpentine whose every span is one pixel.
    CanvasImage canvas;
    long pixels = static_cast<long>(kPixelCount);
    for (int x = 1; x < W; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? 0 : H - 1;
        for (int y = 0; y < H; ++y)
            if (y != gap) {
                canvas.storePixel(x, y, kPureBlack);
                --pixels;
            }
    }
    fillBackAndForth(state, canvas, 0, H / 2, pixels);
}
BENCHMARK(BM_FillCorridor);

}  // namespace
