#include "qt/ResourceArt.h"

#include <QFileInfo>
#include <QImageReader>

QPixmap resourcePixmap(const QString& path)
{
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QIcon resourceIcon(const QString& path)
{
    return QIcon(resourcePixmap(path));
}
