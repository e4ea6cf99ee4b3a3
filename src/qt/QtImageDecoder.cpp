#include "qt/QtImageDecoder.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <cstring>

namespace {

// Room for the largest image the core lets through, 100 megapixels at 4 bytes.
constexpr int kAllocationLimitMegabytes = 450;

ImageProblem problemOf(const QImageReader& reader)
{
    if (QFileInfo(reader.fileName()).isDir()) return ImageProblem::Folder;
    switch (reader.error()) {
    case QImageReader::FileNotFoundError:
    case QImageReader::DeviceError: return ImageProblem::Unreadable;
    case QImageReader::UnsupportedFormatError: return ImageProblem::NotAnImage;
    case QImageReader::InvalidDataError:
    case QImageReader::UnknownError: break;
    }
    return ImageProblem::Damaged;
}

void prepare(QImageReader& reader)
{
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kAllocationLimitMegabytes);
    // As Windows' decoders do: pixels as stored, whatever way a camera was held.
    reader.setAutoTransform(false);
}

}  // namespace

DecodedImage qtImageSize(const QString& path)
{
    QImageReader reader(path);
    prepare(reader);
    if (!reader.canRead()) return {problemOf(reader), 0, 0, {}};
    const QSize size = reader.size();
    if (!size.isValid()) return {ImageProblem::Damaged, 0, 0, {}};
    return {ImageProblem::None, size.width(), size.height(), {}};
}

DecodedImage qtDecodeImage(const QString& path, int width, int height)
{
    QImageReader reader(path);
    prepare(reader);
    reader.setScaledSize(QSize(width, height));
    QImage image;
    if (!reader.read(&image)) {
        const ImageProblem problem = problemOf(reader);
        // Qt reports a refused allocation as an invalid image.
        const bool tooLarge = problem == ImageProblem::Damaged && reader.size().isValid()
            && qint64(reader.size().width()) * reader.size().height() * 4 > qint64(kAllocationLimitMegabytes) << 20;
        return {tooLarge ? ImageProblem::TooLarge : problem, 0, 0, {}};
    }
    if (image.size() != QSize(width, height)) image = image.scaled(width, height);
    image.convertTo(QImage::Format_ARGB32);
    DecodedImage decoded{ImageProblem::None, width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y)
        std::memcpy(decoded.pixels.data() + std::size_t(y) * width, image.constScanLine(y), std::size_t(width) * 4);
    return decoded;
}
