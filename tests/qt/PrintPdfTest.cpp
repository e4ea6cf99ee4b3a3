#include "qt/QtPlatform.h"
#include "qt/QtPrinting.h"

#include "raster/CanvasImage.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// poppler draws each canvas pixel as a block of four or more pixels at this
// resolution on A4 or Letter, where it no longer smooths images.
constexpr int kRenderDpi = 400;

QImage renderPage(const QString& pdf)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kRenderDpi), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), pdf, pdf});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return QImage(pdf + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// Through the printing step the dialog leads to, onto Qt's PDF printer: the
// page holds the canvas image centred in the printable area, as large as it
// fits, each canvas pixel in its own colour at its centre. No white in the
// image, so its bounds show; single-pixel detail, so smoothing or a lossy
// encoding shows.
TEST(PrintPdf, ThePageHoldsTheCanvasImageSharpCentredAndAsLargeAsItFits)
{
    CanvasImage image;
    const Colour colours[] = {0x00101010, 0x000000FF, 0x0000C000, 0x00FF0000, 0x0000FFFF, 0x00804080};
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x)
            image.storePixel(x, y, colours[(x * 7 + y * 13 + x * y % 5) % 6]);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const auto& [size, portrait] :
         {std::pair{QPageSize::A4, false}, {QPageSize::Letter, false}, {QPageSize::A4, true}}) {
        SCOPED_TRACE(testing::Message() << "page size " << size << (portrait ? " portrait" : " landscape"));
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape) << "what the dialog first offers";
        printer.setPageSize(QPageSize(size));
        if (portrait) printer.setPageOrientation(QPageLayout::Portrait);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath(QStringLiteral("page%1%2.pdf").arg(size).arg(portrait));
        printer.setOutputFileName(pdf);
        ASSERT_EQ(printCanvasImage(printer, image).outcome, PrintOutcome::Printed);

        const QImage page = renderPage(pdf);
        ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
        EXPECT_EQ(page.width() < page.height(), portrait);
        const double scale = kRenderDpi / 72.0;
        const QRectF p = printer.pageLayout().paintRect(QPageLayout::Point);
        const QRectF area(p.left() * scale, p.top() * scale, p.width() * scale, p.height() * scale);
        QRect drawn;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if ((page.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) drawn |= QRect(x, y, 1, 1);
        const QRectF shown(drawn);
        EXPECT_NEAR(shown.center().x(), area.center().x(), 1.0);
        EXPECT_NEAR(shown.center().y(), area.center().y(), 1.0);
        EXPECT_TRUE(std::abs(shown.width() - area.width()) <= 1.5 || std::abs(shown.height() - area.height()) <= 1.5)
            << shown.width() << "x" << shown.height() << " in " << area.width() << "x" << area.height();
        EXPECT_NEAR(shown.width() / shown.height(), double(CanvasImage::kWidth) / CanvasImage::kHeight, 0.005);

        int wrong = 0;
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x) {
                const QRgb got = page.pixel(int(shown.left() + (x + 0.5) * shown.width() / CanvasImage::kWidth),
                                            int(shown.top() + (y + 0.5) * shown.height() / CanvasImage::kHeight));
                const Colour want = image.pixel(x, y);
                if (qRed(got) != redOf(want) || qGreen(got) != greenOf(want) || qBlue(got) != blueOf(want)) {
                    EXPECT_LE(++wrong, 3) << "canvas pixel " << x << "," << y << " shows " << std::hex << got;
                }
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PrintPdf, AFileThatCannotBeWrittenIsAFailureSaidInTheProgramsWords)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent folder/art.pdf"));
    const PrintResult result = printCanvasImage(printer, CanvasImage());
    EXPECT_EQ(result.outcome, PrintOutcome::Failed);
    EXPECT_EQ(result.reason, "The File Chosen Can't Be Written");
}

// The test program has no print module beside it, as a copy of the program
// without its module would not.
TEST(PrintPdf, WithoutThePrintModuleBesideTheProgramPrintingFailsSayingWhy)
{
    QtPlatform platform;
    const PrintResult result = platform.printImage(CanvasImage());
    EXPECT_EQ(result.outcome, PrintOutcome::Failed);
    EXPECT_EQ(result.reason, "Printing Isn't Installed");
}

}  // namespace
