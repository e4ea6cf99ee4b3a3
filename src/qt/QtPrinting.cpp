#include "qt/QtPrinting.h"

#include "print/PrintLayout.h"
#include "raster/CanvasImage.h"

#include <QImage>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

void preparePrinter(QPrinter& printer)
{
    printer.setDocName(QStringLiteral("Pintaro"));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setColorMode(QPrinter::Color);
    printer.setFullPage(false);
}

bool choosePrinter(QPrinter& printer, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    // One page and nothing to choose from on it.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

PrintResult printCanvasImage(QPrinter& printer, const CanvasImage& image)
{
    const bool toFile = !printer.outputFileName().isEmpty();
    QPainter painter;
    if (!painter.begin(&printer))
        return {PrintOutcome::Failed, toFile ? "The File Chosen Can't Be Written" : "The Printer Didn't Take The Job"};
    // The painter's origin is the printable area's corner, in device pixels.
    const QRect area = painter.viewport();
    const PixelRect place =
        canvasPlaceOnPage({area.width(), area.height(), printer.logicalDpiX(), printer.logicalDpiY()});
    const QImage picture(reinterpret_cast<const uchar*>(image.words()), CanvasImage::kWidth, CanvasImage::kHeight,
                         static_cast<qsizetype>(CanvasImage::kStride * sizeof(CanvasImage::StoredPixel)),
                         QImage::Format_RGB32);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Qt's PDF output would otherwise store the image as a JPEG, which blurs
    // single pixels and shifts colours.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    if (!place.isEmpty()) painter.drawImage(QRect(place.left, place.top, place.width, place.height), picture);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return {PrintOutcome::Failed, toFile ? "The File Chosen Can't Be Written" : "The Printer Stopped The Job"};
    return {PrintOutcome::Printed, {}};
}

PrintResult printWithDialog(const CanvasImage& image, QWidget* owner)
{
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    if (!printer.isValid()) return {PrintOutcome::NoPrinter, {}};
    if (!choosePrinter(printer, owner)) return {PrintOutcome::Cancelled, {}};
    return printCanvasImage(printer, image);
}
