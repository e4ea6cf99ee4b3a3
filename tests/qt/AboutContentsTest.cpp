#include "QtAboutFixture.h"

#include "qt/LinkLabel.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>

namespace {

struct Expected {
    const char* name;
    QRect place;
    const char* text;  // nullptr for the pictures and the line
};

const Expected kControls[] = {
    {"Picture1", {8, 8, 305, 129}, nullptr},
    {"Line1", {6, 144, 306, 1}, nullptr},
    {"Picture2", {24, 152, 273, 33}, nullptr},
    {"Label3", {8, 192, 73, 17}, "Developed by"},
    {"Label5", {8, 208, 97, 17}, "The Pintaro Team"},
    {"Label4", {102, 208, 113, 17}, "pintaro@example.org"},
    {"Label2", {8, 224, 129, 17}, "Get The Latest Updates at"},
    {"Label1", {137, 224, 105, 17}, "www.example.org"},
    {"cmdOK", {261, 216, 52, 23}, "OK"},
};

const QColor kLinkColour(0, 0, 192);

class AboutContentsTest : public QtAboutFixture {
protected:
    void SetUp() override
    {
        QtAboutFixture::SetUp();
        dialog = openAbout();
        ASSERT_NE(dialog, nullptr);
    }

    QImage shot() const { return dialog->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    AboutDialog* dialog = nullptr;
};

TEST_F(AboutContentsTest, WindowIsAFixedWhiteDialogWithTheCaptionAndIcon)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About The Tovella Rurira Pintaro v1.0"));
    EXPECT_EQ(dialog->size(), QSize(318, 246));
    EXPECT_EQ(dialog->minimumSize(), QSize(318, 246));
    EXPECT_EQ(dialog->maximumSize(), QSize(318, 246));
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    const QImage mine = dialog->windowIcon().pixmap(16, 16).toImage();
    ASSERT_FALSE(mine.isNull());
    EXPECT_EQ(mine, window->windowIcon().pixmap(16, 16).toImage());

    const QImage image = shot();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(317, 245), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(200, 200), QColor(Qt::white));
}

TEST_F(AboutContentsTest, EveryControlAtItsPlaceWithItsText)
{
    for (const Expected& e : kControls) {
        auto* w = dialog->findChild<QWidget*>(QString::fromLatin1(e.name), Qt::FindDirectChildrenOnly);
        ASSERT_NE(w, nullptr) << e.name;
        EXPECT_EQ(w->geometry(), e.place) << e.name;
        if (!e.text) continue;
        const QString text = QString::fromLatin1(e.text);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text(), text) << e.name;
        } else {
            auto* button = qobject_cast<QPushButton*>(w);
            ASSERT_NE(button, nullptr) << e.name;
            EXPECT_EQ(button->text(), text);
        }
    }
    EXPECT_EQ(dialog->cmdOK->objectName(), QStringLiteral("cmdOK"));
    EXPECT_EQ(dialog->Label4->objectName(), QStringLiteral("Label4"));
    EXPECT_EQ(dialog->Label1->objectName(), QStringLiteral("Label1"));
}

TEST_F(AboutContentsTest, TextsUseTheMainWindowsFontAndTheLinksLookLikeLinks)
{
    const QLabel* const labels[] = {dialog->Label1, dialog->Label2, dialog->Label3, dialog->Label4, dialog->Label5};
    for (const QLabel* label : labels) {
        const QFont f = label->font();
        EXPECT_EQ(f.families(), window->font().families()) << label->objectName().toStdString();
        EXPECT_EQ(f.pixelSize(), 11);
        EXPECT_EQ(f.weight(), QFont::Normal);
        const bool link = qobject_cast<const LinkLabel*>(label) != nullptr;
        EXPECT_EQ(f.underline(), link) << label->objectName().toStdString();
        EXPECT_EQ(label->cursor().shape(), link ? Qt::UpArrowCursor : Qt::ArrowCursor);
        EXPECT_FALSE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::WindowText) == kLinkColour, link);
    }
    EXPECT_EQ(dialog->cmdOK->font().pixelSize(), 11);

    // The link's ink is drawn in its colour, on the dialog's white.
    const QImage image = shot();
    const QRect mail = dialog->Label4->geometry();
    int linkPixels = 0;
    for (int y = mail.top(); y <= mail.bottom(); ++y)
        for (int x = mail.left(); x <= mail.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == kLinkColour) ++linkPixels;
            EXPECT_EQ(c.red(), c.green()) << x << "," << y;  // only blues and white, nothing else
        }
    // At least the underline, as long as the text.
    EXPECT_GE(linkPixels, QFontMetrics(dialog->Label4->font()).horizontalAdvance(dialog->Label4->text()) - 2);
}

TEST_F(AboutContentsTest, LineAndPicturesAreDrawnWhereTheyBelong)
{
    const QImage image = shot();
    const QColor grey(0x80, 0x80, 0x80);
    EXPECT_EQ(image.pixelColor(6, 144), grey);
    EXPECT_EQ(image.pixelColor(311, 144), grey);
    EXPECT_EQ(image.pixelColor(5, 144), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(312, 144), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 143), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 145), QColor(Qt::white));

    // Each bitmap at its box's top-left corner, cut by the box, white beyond it.
    struct Box {
        QRect place;
        const char* resource;
    };
    for (const Box& box : {Box{{8, 8, 305, 129}, ":/about/logo.bmp"}, Box{{24, 152, 273, 33}, ":/about/maker.bmp"}}) {
        const QImage bitmap = QImage(QString::fromLatin1(box.resource)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(bitmap.isNull()) << box.resource;
        int mismatches = 0;
        for (int y = 0; y < box.place.height(); ++y)
            for (int x = 0; x < box.place.width(); ++x) {
                const QColor want = x < bitmap.width() && y < bitmap.height() ? bitmap.pixelColor(x, y)
                                                                               : QColor(Qt::white);
                if (image.pixelColor(box.place.left() + x, box.place.top() + y) != want) ++mismatches;
            }
        EXPECT_EQ(mismatches, 0) << box.resource;
    }
}

TEST_F(AboutContentsTest, LinksOpenTheirExactTargetsAndLeaveTheDialogOpen)
{
    QTest::mouseClick(dialog->Label1, Qt::LeftButton);
    QTest::mouseClick(dialog->Label4, Qt::LeftButton);
    QTest::mouseClick(dialog->Label4, Qt::LeftButton);
    const std::vector<std::string> expected = {"http://www.example.org/",
                                               "mailto:pintaro@example.org?subject=Pintaro v1.0",
                                               "mailto:pintaro@example.org?subject=Pintaro v1.0"};
    EXPECT_EQ(platform.urls, expected);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(loadedDialog(), dialog);
    EXPECT_EQ(Module1::AboutRequested, 1);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(AboutContentsTest, OnlyALeftClickOnALinkCounts)
{
    QTest::mouseClick(dialog->Label1, Qt::RightButton);
    // Pressed on the link, let go beside it: no click.
    QTest::mousePress(dialog->Label1, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(dialog->Label1, Qt::LeftButton, {}, QPoint(dialog->Label1->width() + 5, 5));
    // The other texts and the pictures are not links.
    for (QWidget* w : {static_cast<QWidget*>(dialog->Label2), static_cast<QWidget*>(dialog->Label3),
                       static_cast<QWidget*>(dialog->Label5), static_cast<QWidget*>(dialog->Picture1),
                       static_cast<QWidget*>(dialog->Picture2)})
        QTest::mouseClick(w, Qt::LeftButton);
    EXPECT_TRUE(platform.urls.empty());
    EXPECT_TRUE(dialog->isVisible());
}

}  // namespace
