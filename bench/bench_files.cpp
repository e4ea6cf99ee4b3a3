#include "files/ArtworkSaver.h"
#include "files/PictureLoader.h"
#include "support/TempDir.h"
#include "support/TestPicture.h"

#include <benchmark/benchmark.h>

namespace {

// From the chosen path to the picture in the canvas image: the checks, the
// loader, the copy down one row and the top row; no dialog, no screen.
void openBench(benchmark::State& state, int bitCount, int height)
{
    TempDir dir;
    TestPicture picture;
    picture.bitCount = bitCount;
    picture.height = height;
    if (bitCount == 1) picture.value = [](int x, int y) { return std::uint32_t((x + 2 * y) % 7 == 0); };
    const std::filesystem::path path = dir.root() / "picture.bmp";
    if (!dir.valid() || !bmp::BmpBuilder::writeFile(path.string(), picture.bytes())) {
        state.SkipWithError("cannot write the picture");
        return;
    }

    CanvasImage canvas;
    for (auto _ : state) {
        if (openPicture(path, canvas) != OpenProblem::None) {
            state.SkipWithError("the picture was not opened");
            return;
        }
        benchmark::DoNotOptimize(canvas.words());
    }
}

void BM_OpenPicture1Bit(benchmark::State& state) { openBench(state, 1, 556); }
void BM_OpenPicture24Bit(benchmark::State& state) { openBench(state, 24, 557); }

void BM_SaveArtwork(benchmark::State& state)
{
    TempDir dir;
    CanvasImage canvas;
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.storePixel(x, y, rgbColour(x, y, x + y));
    const std::filesystem::path path = dir.root() / "art.bmp";
    for (auto _ : state) {
        if (saveArtwork(canvas, path) != SaveProblem::None) {
            state.SkipWithError("the artwork was not saved");
            return;
        }
    }
}

}  // namespace

BENCHMARK(BM_OpenPicture1Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenPicture24Bit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveArtwork)->Unit(benchmark::kMillisecond);
