#include "QtFormFixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

namespace {

class DropOnWindow : public QtFormFixture {
protected:
    void drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        entered = enter.isAccepted();
        QDropEvent event(QPointF(300, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
        QCoreApplication::processEvents();
    }

    bool entered = false;
};

TEST_F(DropOnWindow, LocalFilesGoToTheImportAndOtherLinksAreRefused)
{
    ASSERT_TRUE(start());
    drop({QUrl(QStringLiteral("https://example.org/page.png"))});
    EXPECT_FALSE(entered);
    EXPECT_TRUE(platform.messages.empty());

    // Two files that are not there: each is named in its own message.
    drop({QUrl::fromLocalFile(QStringLiteral("/nowhere/cat.png")), QUrl::fromLocalFile(QStringLiteral("/nowhere/dog.png"))});
    EXPECT_TRUE(entered);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].text.rfind("\"cat.png\"", 0), 0u);
    EXPECT_EQ(platform.messages[1].text.rfind("\"dog.png\"", 0), 0u);
}

}  // namespace
