// Real image files through Qt's readers and the core's page import: each
// format a parent may find, and each kind of bad file.

#include "pages/PageImport.h"
#include "qt/QtPlatform.h"
#include "support/TempDir.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// PNG's chunk checksum.
quint32 crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

class PageDecoder : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.valid() && fs::create_directory(pics())); }

    fs::path pics() const { return dir.root() / "pics"; }
    QString path(const char* name) const { return QtPlatform::qtPath(dir.root() / name); }

    // An anti-aliased black circle, on transparent paper where the format keeps it.
    QImage page(int width, int height, bool transparent = false) const
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(transparent ? Qt::transparent : Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, width / 50.0));
        painter.drawEllipse(QRectF(width * 0.2, height * 0.2, width * 0.6, height * 0.6));
        return image;
    }

    QByteArray write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return bytes;
    }

    PageProblem import(const char* name) { return importPage(platform, dir.root() / name, pics()).problem; }

    TempDir dir;
    QtPlatform platform;
};

TEST_F(PageDecoder, EveryCommonFormatBecomesAPageWithItsOutline)
{
    // A tenth of the fit, as a drawing says its own size.
    const QByteArray svg = "<?xml version='1.0'?>\n<svg xmlns='http://www.w3.org/2000/svg' width='160' height='120' viewBox="
                           "'0 0 1600 1200'><circle cx='800' cy='600' r='480' fill='none' stroke='black' stroke-width='4'/></svg>";
    for (const char* format : {"png", "jpg", "gif", "bmp", "tif", "svg", "pdf"}) {
        SCOPED_TRACE(format);
        const std::string name = std::string("page.") + format;
        const bool drawing = name == "page.svg" || name == "page.pdf";  // their outline a pixel or two at the fit
        // Qt writes no GIF: ImageMagick makes it from the PNG.
        if (name == "page.gif")
            ASSERT_EQ(QProcess::execute("convert", {path("page.png"), path("page.gif")}), 0);
        else if (name == "page.svg")
            write("page.svg", svg);
        else if (name == "page.pdf") {
            // Two pages: the second, all black, must not be the one taken.
            QPdfWriter pdf(path("page.pdf"));
            pdf.setPageSize(QPageSize(QSizeF(160, 120), QPageSize::Point));
            pdf.setPageMargins({});
            QPainter painter(&pdf);
            painter.setWindow(0, 0, 1600, 1200);
            painter.setPen(QPen(Qt::black, 4));
            painter.drawEllipse(QPointF(800, 600), 480, 480);
            pdf.newPage();
            painter.fillRect(0, 0, 1600, 1200, Qt::black);
        } else
            ASSERT_TRUE(page(1600, 1200, name == "page.png").save(path(name.c_str()), format));
        ASSERT_EQ(import(name.c_str()), PageProblem::None);
        const QImage made(QtPlatform::qtPath(pics() / ("page.bmp")));
        ASSERT_EQ(made.size(), QSize(685, 556));
        EXPECT_EQ(made.depth(), 1);
        // The circle's edge at its left, on the middle row, and white inside.
        int ink = 0;
        for (int x = 120; x < 150; ++x) ink += made.pixel(x, 278) == qRgb(0, 0, 0);
        EXPECT_GE(ink, 2);
        EXPECT_TRUE(!drawing || ink <= 3) << ink << " pixels: drawn small and enlarged, not drawn at the fit";
        EXPECT_EQ(made.pixel(342, 278), qRgb(255, 255, 255));
        fs::remove(pics() / "page.bmp");
    }
}

TEST_F(PageDecoder, EachKindOfBadFileIsToldApart)
{
    write("notes.png", "Colouring pages to print: a cat, a dog.\n");
    QByteArray jpeg;
    {
        ASSERT_TRUE(page(800, 600).save(path("whole.jpg"), "jpg"));
        QFile whole(path("whole.jpg"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        jpeg = whole.readAll();
    }
    write("cut.jpg", jpeg.left(jpeg.size() / 2));
    QByteArray png;
    {
        ASSERT_TRUE(page(800, 600).save(path("whole.png"), "png"));
        QFile whole(path("whole.png"));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
        png = whole.readAll();
    }
    QByteArray scrambled = png;
    for (int i = 60; i < scrambled.size() - 20; i += 7) scrambled[i] = char(scrambled[i] ^ 0x5A);
    write("scrambled.png", scrambled);
    // The small PNG's header made to announce 20000 by 20000 pixels.
    QByteArray huge = png;
    const auto put = [&huge](int at, quint32 v) { for (int i = 0; i < 4; ++i) huge[at + i] = char(v >> (8 * (3 - i))); };
    put(16, 20000);
    put(20, 20000);
    put(29, crc32(huge.mid(12, 17)));
    write("huge.png", huge);
    ASSERT_TRUE(fs::create_directory(dir.root() / "folder.png"));

    EXPECT_EQ(import("notes.png"), PageProblem::NotAnImage);
    EXPECT_EQ(import("cut.jpg"), PageProblem::Damaged);
    EXPECT_EQ(import("scrambled.png"), PageProblem::Damaged);
    EXPECT_EQ(import("huge.png"), PageProblem::TooLarge);
    EXPECT_EQ(import("folder.png"), PageProblem::Folder);
    EXPECT_EQ(import("missing.png"), PageProblem::Unreadable);
    EXPECT_TRUE(fs::is_empty(pics()));
}

}  // namespace
