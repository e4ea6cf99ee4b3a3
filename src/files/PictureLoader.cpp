#include "files/PictureLoader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kHeaderEnd = 54;  // file header plus an info header

std::uint32_t readUnsigned(const unsigned char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}

}  // namespace

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
    unsigned char h[kHeaderEnd] = {};
    std::memcpy(h, header, std::min(size, kHeaderEnd));
    if (h[0] != 'B' || h[1] != 'M') return {};

    const std::uint32_t offBits = readUnsigned(h + 10, 4);
    const std::uint32_t selector = readUnsigned(h + 14, 2);
    AnnouncedPicture p;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = 0;
    if (selector == 12) {
        p.width = static_cast<std::int16_t>(readUnsigned(h + 18, 2));
        p.height = static_cast<std::int16_t>(readUnsigned(h + 20, 2));
        bitCount = readUnsigned(h + 24, 2);
    } else if (selector == 40) {
        p.width = static_cast<std::int32_t>(readUnsigned(h + 18, 4));
        p.height = static_cast<std::int32_t>(readUnsigned(h + 22, 4));
        bitCount = readUnsigned(h + 28, 2);
        compression = readUnsigned(h + 30, 4);
    } else {
        return {};
    }
    if (compression != 0 || p.width <= 0 || p.height <= 0 || (bitCount != 1 && bitCount != 24)) return {};

    const std::uint64_t width = static_cast<std::uint64_t>(p.width);
    const std::uint64_t rowLength = bitCount == 1 ? ((width - 1) / 32 + 1) * 4 : (width * 3 + 3) / 4 * 4;
    p.fileLength = offBits + rowLength * static_cast<std::uint64_t>(p.height);
    return p;
}

LoadedPicture loadPicture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {OpenProblem::Unreadable, {}};
    char header[kHeaderEnd];
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
    std::copy_n(topRow.data(), CanvasImage::kWidth, canvas.data());
    return {OpenProblem::None, outcome};
}

std::string nativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
