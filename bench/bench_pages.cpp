#include "pages/PageConversion.h"
#include "pages/PageImport.h"
#include "pages/PagePictures.h"
#include "qt/QtPlatform.h"
#include "support/TempDir.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A 4000 by 3000 colouring page: anti-aliased outlines on white.
QImage page12MP()
{
    QImage image(4000, 3000, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 14));
    for (int i = 0; i < 12; ++i) painter.drawEllipse(QPointF(300 + 300 * i, 1500 + 200 * (i % 3)), 250.0 + 40 * i, 400.0);
    painter.drawRect(200, 200, 3600, 2600);
    return image;
}

// The core's conversion of the whole 12 megapixels, as where a decoder
// cannot decode at a reduced size.
void BM_ImportPage12MP(benchmark::State& state)
{
    const QImage image = page12MP();
    DecodedImage decoded{ImageProblem::None, image.width(), image.height(), {}};
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        decoded.pixels.insert(decoded.pixels.end(), line, line + image.width());
    }
    for (auto _ : state) benchmark::DoNotOptimize(convertPage(decoded, {4000, 3000}).ink.data());
}

// A 12-megapixel JPEG from its file to the page saved beside it, through
// Qt's reader at a reduced size.
void BM_ImportPage12MPJpeg(benchmark::State& state)
{
    TempDir dir;
    const std::filesystem::path file = dir.root() / "page.jpg";
    if (!dir.valid() || !page12MP().save(QtPlatform::qtPath(file), "jpg", 90)) {
        state.SkipWithError("cannot write the page");
        return;
    }
    QtPlatform platform;
    for (auto _ : state) {
        const PageImport made = importPage(platform, file, dir.root());
        if (made.problem != PageProblem::None) {
            state.SkipWithError("the page was not made");
            return;
        }
        std::filesystem::remove(made.saved);
    }
}

// A shipped picture converted clean (0) and as a phone photographs it (1):
// what judging each line against its own paper's light adds.
void BM_ConvertSheet(benchmark::State& state)
{
    const DecodedImage clean = shippedPicture("house.bmp");
    const DecodedImage sheet = state.range(0) ? photographed(clean, 26) : clean;
    for (auto _ : state) benchmark::DoNotOptimize(convertPage(sheet, {685, 556}).ink.data());
}

}  // namespace

BENCHMARK(BM_ConvertSheet)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPage12MP)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPage12MPJpeg)->Unit(benchmark::kMillisecond);
