#include "files/ArtworkSaver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

SaveTarget saveTarget(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir()) return SaveTarget::Folder;
    if (!info.exists()) return SaveTarget::Free;
    if (!info.isFile()) return SaveTarget::NotAFile;
    return info.size() == 0 ? SaveTarget::Free : SaveTarget::NonEmpty;
}

SaveProblem saveArtwork(const CanvasImage& image, const QString& path)
{
    switch (saveTarget(path)) {
    case SaveTarget::Folder: return SaveProblem::Folder;
    case SaveTarget::NotAFile: return SaveProblem::NotAFile;
    case SaveTarget::Free:
    case SaveTarget::NonEmpty: break;
    }
    // A file we may not write stays, though its folder would let a new one
    // take its place.
    if (QFileInfo::exists(path)) {
        QFile existing(path);
        if (!existing.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) return SaveProblem::NotWritable;
    }

    // A link keeps pointing where it did: QSaveFile replaces the file it names.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo info(path);
        return info.absoluteDir().exists() ? SaveProblem::NotWritable : SaveProblem::MissingFolder;
    }
    // With no alpha to keep, Qt's writer makes a 24-bit bitmap of the canvas.
    const QImage view(reinterpret_cast<const uchar*>(image.words()), CanvasImage::kWidth, CanvasImage::kHeight,
                      static_cast<qsizetype>(CanvasImage::kStride * sizeof(CanvasImage::StoredPixel)),
                      QImage::Format_RGB32);
    QImageWriter writer(&file, "bmp");
    if (!writer.write(view)) {
        file.cancelWriting();
        return SaveProblem::WriteFailed;
    }
    return file.commit() ? SaveProblem::None : SaveProblem::WriteFailed;
}
