// The whole open of a chosen file onto the canvas: the file-system gate, the
// bitmap check, Qt's reader, the one-row shift and the top-row drawing.

#include "FuzzSupport.h"

#include "bitmap/Module1.h"
#include "files/PictureLoader.h"
#include "raster/CanvasImage.h"

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// A canvas already painted on, so a failed open that touched it shows.
const CanvasImage& paintedCanvas()
{
    static const CanvasImage painted = [] {
        CanvasImage c(0x00D0E0F0);
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x)
                if ((x * 7 + y * 13) % 29 == 0) c.storePixel(x, y, rgbColour(x, y, x ^ y));
        return c;
    }();
    return painted;
}

// Left out of coverage, like every check here: libFuzzer would trace each of
// their comparisons, hundreds of thousands a run.
__attribute__((no_sanitize("coverage"))) bool samePixels(const CanvasImage& a, const CanvasImage& b)
{
    return std::memcmp(a.words(), b.words(),
                       std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight * sizeof(CanvasImage::StoredPixel))
        == 0;
}

// Rows 1 and below: the picture as Qt's reader renders it, one row down.
__attribute__((no_sanitize("coverage"))) bool shiftedByOneRow(const CanvasImage& canvas, const QImage& picture)
{
    for (int y = 1; y < CanvasImage::kHeight; ++y) {
        const auto* line = reinterpret_cast<const Colour*>(picture.constScanLine(y - 1));
        for (int x = 0; x < CanvasImage::kWidth; ++x)
            if (canvas.pixel(x, y) != (line[x] & 0x00FFFFFF)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Qt's image reader expects an application object, as the program has.
    static QCoreApplication app(*argc, *argv);
    fuzz::scratchFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    const Announced a = announced(Bytes(data, size));

    static CanvasImage canvas;
    canvas = paintedCanvas();
    const std::string path = writeInput(data, size);
    const QString qpath = QString::fromStdString(path);
    const OpenedPicture opened = openPicture(qpath, canvas);

    require(fileKeptAsWritten(path, data, size), "opening changed the file, or kept an empty one");

    if (opened.problem != OpenProblem::None) {
        require(samePixels(canvas, paintedCanvas()), "a failed open changed the canvas");
        return 0;
    }
    require(a.usable(), "opened a picture the check must refuse");
    require(opened.drawOutcome == Module1::DrawOutcome::Drawn, "opened without drawing the top row");

    QImageReader reader(qpath, "bmp");
    QImage reference;
    require(reader.read(&reference), "the reader refused a picture it just opened");
    reference.convertTo(QImage::Format_RGBX8888);
    require(reference.width() == 685 && reference.height() == a.height, "picture size");
    require(shiftedByOneRow(canvas, reference), "canvas rows differ from the picture rows above them");

    // Row 0: the picture's top row as the program's own decoder draws it.
    CanvasImage top(0x00D0E0F0);
    require(Module1::DrawBitmapFile(path, top) == Module1::DrawOutcome::Drawn, "top row");
    require(std::equal(top.words(), top.words() + CanvasImage::kWidth, canvas.words()), "canvas row 0");
    return 0;
}
