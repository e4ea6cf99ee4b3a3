#include "qt/ResourceArt.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>
#include <vector>

namespace {

QImage xpmImage(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray source = file.readAll();
    std::vector<QByteArray> strings;
    for (qsizetype open = source.indexOf('"'); open >= 0;) {
        const qsizetype close = source.indexOf('"', open + 1);
        if (close < 0) break;
        strings.push_back(source.mid(open + 1, close - open - 1));
        open = source.indexOf('"', close + 1);
    }
    // Qt reads as many strings as the first announces: fewer are refused.
    int width = 0, height = 0, colours = 0, perPixel = 0;
    if (strings.empty()
        || std::sscanf(strings.front().constData(), "%d %d %d %d", &width, &height, &colours, &perPixel) != 4
        || width <= 0 || height <= 0 || colours <= 0 || perPixel <= 0
        || strings.size() < 1 + static_cast<std::size_t>(colours) + static_cast<std::size_t>(height))
        return {};
    std::vector<const char*> array;
    for (const QByteArray& s : strings) array.push_back(s.constData());
    return QImage(array.data());
}

}  // namespace

QImage resourceImage(const QString& path)
{
    const QByteArray format = QFileInfo(path).suffix().toLatin1();
    if (format == "xpm") return xpmImage(path);
    QImageReader reader(path, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap resourcePixmap(const QString& path)
{
    return QPixmap::fromImage(resourceImage(path));
}

QIcon resourceIcon(const QString& path)
{
    return QIcon(resourcePixmap(path));
}
