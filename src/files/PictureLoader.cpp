#include "files/PictureLoader.h"

#include "bitmap/BitmapHeader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

OpenProblem fileSystemProblem(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) return OpenProblem::Folder;
    if (!info.exists()) return OpenProblem::None;
    if (!info.isFile()) return OpenProblem::NotAFile;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return OpenProblem::Unreadable;
    return OpenProblem::None;
}

AnnouncedPicture announcedPicture(const char* header, std::size_t size)
{
    using Module1::comparesEqual;
    const Module1::BitmapHeader h = Module1::readBitmapHeader(reinterpret_cast<const std::uint8_t*>(header), size);
    const bool drawable = h.signatureMatches && (h.isCoreHeader() || h.isInfoHeader())
        && comparesEqual(h.compression, std::uint32_t{0})
        && (comparesEqual(h.bitCount, std::uint16_t{1}) || comparesEqual(h.bitCount, std::uint16_t{24}));
    if (!drawable || h.width <= 0 || h.height <= 0) return {};
    const auto rowLength = static_cast<std::uint64_t>(Module1::bitmapRowLength(h.width, h.bitCount));
    return {h.width, h.height, h.offBits + rowLength * static_cast<std::uint64_t>(h.height)};
}

LoadedPicture loadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {OpenProblem::Unreadable, {}};
    char header[Module1::kHeaderBytes];
    const qint64 got = file.read(header, sizeof header);
    if (got < 0) return {OpenProblem::Unreadable, {}};
    // Qt's reader fills in rows that are missing from the file; a picture
    // with a hole in it is no picture to colour.
    const AnnouncedPicture announced = announcedPicture(header, static_cast<std::size_t>(got));
    if (announced.fileLength == 0 || static_cast<std::uint64_t>(file.size()) < announced.fileLength)
        return {OpenProblem::Damaged, {}};
    if (!file.seek(0)) return {OpenProblem::Unreadable, {}};

    QImageReader reader(&file, "bmp");
    QImage image;
    if (!reader.read(&image)) {
        const bool fileFailed = file.error() != QFileDevice::NoError;
        return {fileFailed ? OpenProblem::Unreadable : OpenProblem::Damaged, {}};
    }
    if (image.width() != announced.width || image.height() != announced.height)
        return {OpenProblem::Damaged, {}};
    image.convertTo(QImage::Format_RGBX8888);
    return {OpenProblem::None, image};
}

OpenedPicture openPicture(const QString& path, CanvasImage& canvas)
{
    // The check opens and may delete what it is given, so folders and
    // devices never reach it.
    if (const OpenProblem problem = fileSystemProblem(path); problem != OpenProblem::None)
        return {problem, Module1::DrawOutcome::Drawn};
    if (Module1::CheckBitmapFile(nativePath(path))) return {OpenProblem::Refused, Module1::DrawOutcome::Drawn};
    const LoadedPicture loaded = loadPicture(path);
    if (loaded.problem != OpenProblem::None) return {loaded.problem, Module1::DrawOutcome::Drawn};

    // The decoder paints only row 0. It paints a stand-in that holds row 0 as
    // the canvas will have it, so the canvas itself changes only once nothing
    // can fail any more. Kept between opens: a fresh one costs more than the load.
    static CanvasImage topRow;
    const QImage& picture = loaded.image;
    const auto* pixels = reinterpret_cast<const Colour*>(picture.constBits());
    const int shown = std::min(picture.width(), CanvasImage::kWidth);
    for (int x = 0; x < CanvasImage::kWidth; ++x)
        topRow.storePixel(x, 0, x < shown ? pixels[x] & 0x00FFFFFF : canvas.background());
    const Module1::DrawOutcome outcome = Module1::DrawBitmapFile(nativePath(path), topRow);
    if (outcome == Module1::DrawOutcome::ReadFailure) return {OpenProblem::Unreadable, outcome};

    canvas.setBackgroundPicture(pixels, picture.width(), picture.height(),
                                static_cast<std::size_t>(picture.bytesPerLine()) / sizeof(Colour));
    canvas.bitBlt(0, 0, CanvasImage::kWidth, CanvasImage::kHeight, 0, -1);
    for (int x = 0; x < CanvasImage::kWidth; ++x) canvas.storePixel(x, 0, topRow.pixel(x, 0));
    return {OpenProblem::None, outcome};
}

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
