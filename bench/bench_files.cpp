#include "files/ArtworkSaver.h"
#include "files/PictureLoader.h"
#include "support/TestPicture.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

bool writeBytes(QFile& file, const bmp::Bytes& bytes)
{
    return file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()))
        == static_cast<qint64>(bytes.size());
}

// From the chosen path to the picture in the canvas image: the checks, the
// loader, the copy down one row and the top row; no dialog, no screen.
void openBench(benchmark::State& state, int bitCount, int height)
{
    QTemporaryDir dir;
    TestPicture picture;
    picture.bitCount = bitCount;
    picture.height = height;
    if (bitCount == 1) picture.value = [](int x, int y) { return std::uint32_t((x + 2 * y) % 7 == 0); };
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !writeBytes(file, picture.bytes())) {
        state.SkipWithError("cannot write the picture");
        return;
    }
    file.close();

    CanvasImage canvas;
    for (auto _ : state) {
        const OpenedPicture opened = openPicture(path, canvas);
        if (opened.problem != OpenProblem::None) {
            state.SkipWithError("the picture was not opened");
            return;
        }
        benchmark::DoNotOptimize(canvas.data());
    }
}

void BM_OpenPicture1Bit(benchmark::State& state) { openBench(state, 1, 556); }
void BM_OpenPicture24Bit(benchmark::State& state) { openBench(state, 24, 557); }

void BM_SaveArtwork(benchmark::State& state)
{
    QTemporaryDir dir;
    CanvasImage canvas;
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.storePixel(x, y, rgbColour(x, y, x + y));
    const QString path = dir.filePath(QStringLiteral("art.bmp"));
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
