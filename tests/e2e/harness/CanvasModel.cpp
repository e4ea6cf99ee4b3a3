#include "CanvasModel.h"

#include "support/BmpBuilder.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

namespace e2e {

Pixels openedOnCanvas(const Pixels& picture)
{
    Pixels canvas(kWidth, kCanvasHeight, kWhite);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kWidth; ++x) canvas.set(x, y, picture.at(x, y == 0 ? 0 : y - 1));
    return canvas;
}

Pixels enlarged(const Pixels& pixels, const DisplayScale& scale)
{
    const PixelRect device = scale.canvasToDevice({0, 0, pixels.width(), pixels.height()});
    Pixels out(device.width, device.height, kWhite);
    for (int y = 0; y < device.height; ++y)
        for (int x = 0; x < device.width; ++x) out.set(x, y, pixels.at(scale.canvasPixelAt(x), scale.canvasPixelAt(y)));
    return out;
}

Pixels outlinePicture()
{
    Pixels p(kWidth, kPictureHeight, kWhite);
    p.outline(kFrameA);
    p.outline(kFrameB);
    p.outline(kFrameC);
    p.outline(kOnePixelBox);
    p.fill({QPoint(kLineX, kLineTop), QPoint(kLineX, kLineBottom)}, kBlack);
    p.fill({0, 0, 20, 1}, kBlack);
    p.fill({680, 0, 5, 1}, kBlack);
    p.fill({300, kPictureHeight - 1, 100, 1}, kBlack);
    return p;
}

bool writeColouringPage(const QString& path, int scale)
{
    const auto draw = [](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 9));
        painter.drawEllipse(QPointF(1000, 750), 520, 520);
        painter.drawRoundedRect(QRectF(120, 140, 300, 420), 60, 60);
        painter.drawLine(QPointF(100, 1400), QPointF(1900, 1300));
    };
    if (path.endsWith(QStringLiteral(".svg"))) {  // a tenth of the size, as clip art often says it is
        QFile svg(path);
        return svg.open(QIODevice::WriteOnly)
            && svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='200' height='150' viewBox='0 0 2000 1500'><g fill="
                         "'none' stroke='black' stroke-width='9'><circle cx='1000' cy='750' r='520'/><rect x='120' y='140' "
                         "width='300' height='420' rx='60'/><line x1='100' y1='1400' x2='1900' y2='1300'/></g></svg>") > 0;
    }
    if (path.endsWith(QStringLiteral(".pdf"))) {
        QPdfWriter pdf(path);
        pdf.setPageSize(QPageSize(QSizeF(200, 150), QPageSize::Point));
        pdf.setPageMargins({});
        QPainter painter(&pdf);
        painter.setWindow(0, 0, 2000, 1500);
        draw(painter);
        return painter.end();
    }
    QImage page(2000 * scale, 1500 * scale, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    return page.save(path, "PNG");
}

void Pixels::floodFill(int x, int y, QRgb colour)
{
    const QRgb surface = at(x, y);
    if (surface == colour) return;
    std::vector<QPoint> pending{{x, y}};
    while (!pending.empty()) {
        const QPoint p = pending.back();
        pending.pop_back();
        if (!contains(p.x(), p.y()) || at(p.x(), p.y()) != surface) continue;
        set(p.x(), p.y(), colour);
        pending.insert(pending.end(), {{p.x() + 1, p.y()}, {p.x() - 1, p.y()}, {p.x(), p.y() + 1}, {p.x(), p.y() - 1}});
    }
}

std::string differences(const Pixels& expected, const QImage& image, QPoint origin)
{
    if (image.isNull()) return "no image";
    if (image.width() < origin.x() + expected.width() || image.height() < origin.y() + expected.height())
        return "image too small";
    int count = 0;
    std::string first;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb got = image.pixel(origin.x() + x, origin.y() + y) & 0xFFFFFFu;
            if (got == expected.at(x, y)) continue;
            if (++count <= 5)
                first += " (" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                         QString::number(got, 16).toStdString() + " not " +
                         QString::number(expected.at(x, y), 16).toStdString();
        }
    }
    return count == 0 ? std::string() : std::to_string(count) + " pixels differ:" + first;
}

bool writeMonochrome(const Pixels& picture, const QString& path)
{
    bmp::InfoHeader header;
    header.width = picture.width();
    header.height = picture.height();
    header.bitCount = 1;
    const std::size_t length = bmp::rowLength(picture.width(), 1);
    bmp::BmpBuilder file;
    file.info(header).colourTable({0x00000000u, 0x00FFFFFFu});
    file.rows(static_cast<std::size_t>(picture.height()), [&](std::size_t stored) {
        const int y = picture.height() - 1 - static_cast<int>(stored);
        std::vector<int> bits;
        for (int x = 0; x < picture.width(); ++x) bits.push_back(picture.at(x, y) == kBlack ? 0 : 1);
        return bmp::monochromeRow(bits, length);
    });
    return file.writeTo(path.toStdString());
}

}  // namespace e2e
