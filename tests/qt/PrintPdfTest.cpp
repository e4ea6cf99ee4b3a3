#include "qt/QtPrinting.h"

#include "raster/CanvasImage.h"

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

// Enough for poppler to draw each canvas pixel as a block of at least four
// pixels on A4 or Letter, where it stops smoothing images.
constexpr int kRenderDpi = 400;

// No white anywhere, so the picture's bounds show on the white page, and
// single-pixel detail everywhere, so smoothing would show.
Colour patternAt(int x, int y)
{
    static constexpr std::array<Colour, 6> kColours{0x00101010, 0x000000FF, 0x0000C000, 0x00FF0000, 0x0000FFFF,
                                                     0x00804080};
    return kColours[static_cast<std::size_t>((x * 7 + y * 13 + (x * y) % 5) % 6)];
}

QImage renderFirstPage(const QString& pdf, const QString& stem)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kRenderDpi), QStringLiteral("-png"),
                                            QStringLiteral("-singlefile"), pdf, stem});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRect nonWhiteBounds(const QImage& page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if ((row[x] & 0xFFFFFFu) == 0xFFFFFFu) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

struct PageCase {
    const char* name;
    QPageSize::PageSizeId size;
    bool turnedToPortrait;  // as a person may in the dialog
};

TEST(PrintPdf, ThePageHoldsTheCanvasImageSharpCentredAndAsLargeAsItFits)
{
    CanvasImage image;
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x) image.storePixel(x, y, patternAt(x, y));
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    for (const PageCase& c : {PageCase{"A4Landscape", QPageSize::A4, false},
                              PageCase{"LetterLandscape", QPageSize::Letter, false},
                              PageCase{"A4Portrait", QPageSize::A4, true}}) {
        SCOPED_TRACE(c.name);
        QPrinter printer(QPrinter::HighResolution);
        preparePrinter(printer);
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape) << "the dialog's first offer";
        printer.setPageSize(QPageSize(c.size));
        if (c.turnedToPortrait) printer.setPageOrientation(QPageLayout::Portrait);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        printer.setOutputFileName(pdf);
        ASSERT_EQ(printCanvasImage(printer, image).outcome, PrintOutcome::Printed);

        const QImage page = renderFirstPage(pdf, dir.filePath(QString::fromLatin1(c.name)));
        ASSERT_FALSE(page.isNull()) << "pdftoppm could not render " << pdf.toStdString();
        const QSizeF pagePoints = printer.pageLayout().fullRect(QPageLayout::Point).size();
        EXPECT_NEAR(page.width(), pagePoints.width() * kRenderDpi / 72, 1.0);
        EXPECT_NEAR(page.height(), pagePoints.height() * kRenderDpi / 72, 1.0);
        EXPECT_EQ(page.width() > page.height(), !c.turnedToPortrait);

        // Within a pixel of the middle of the printable area, filling it across or down.
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
        const double scale = kRenderDpi / 72.0;
        const QRectF area(printable.left() * scale, printable.top() * scale, printable.width() * scale,
                          printable.height() * scale);
        const QRect drawn = nonWhiteBounds(page);
        ASSERT_FALSE(drawn.isEmpty());
        const QRectF shown(drawn.left(), drawn.top(), drawn.width(), drawn.height());
        EXPECT_NEAR(shown.center().x(), area.center().x(), 1.0);
        EXPECT_NEAR(shown.center().y(), area.center().y(), 1.0);
        EXPECT_TRUE(std::abs(shown.width() - area.width()) <= 1.5 || std::abs(shown.height() - area.height()) <= 1.5)
            << shown.width() << "x" << shown.height() << " in " << area.width() << "x" << area.height();
        EXPECT_NEAR(shown.width() / shown.height(), double(CanvasImage::kWidth) / CanvasImage::kHeight, 0.005);

        // Every canvas pixel, sampled at its centre, in its own colour.
        int wrong = 0;
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x) {
                const QPoint at(int(shown.left() + (x + 0.5) * shown.width() / CanvasImage::kWidth),
                                int(shown.top() + (y + 0.5) * shown.height() / CanvasImage::kHeight));
                const Colour expected = image.pixel(x, y);
                const QRgb got = page.pixel(at);
                if (qRed(got) != redOf(expected) || qGreen(got) != greenOf(expected) || qBlue(got) != blueOf(expected)) {
                    if (++wrong <= 5)
                        ADD_FAILURE() << "canvas pixel " << x << "," << y << " shows " << std::hex << (got & 0xFFFFFFu)
                                      << " for " << expected;
                }
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST(PrintPdf, AFileThatCannotBeWrittenIsAFailureSaidInTheProgramsWords)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QPrinter printer(QPrinter::HighResolution);
    preparePrinter(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("no such folder/art.pdf")));
    const PrintResult result = printCanvasImage(printer, CanvasImage());
    EXPECT_EQ(result.outcome, PrintOutcome::Failed);
    EXPECT_EQ(result.reason, "The File Chosen Can't Be Written");
}

}  // namespace
