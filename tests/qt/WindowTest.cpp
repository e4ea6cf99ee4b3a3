#include "qt/QtFormFixture.h"

#include <QApplication>

#include <vector>

namespace {

class WindowTest : public QtFormFixture {};

TEST_F(WindowTest, SitsAtTheOriginWithAnOuterSizeOf800By600)
{
    platform.screen = {1600, 1200};
    ASSERT_TRUE(start());
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(window->frameGeometry().size(), QSize(800, 600));
    EXPECT_GE(window->width(), 792);
    EXPECT_GE(window->height(), 569);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("The Tovella Vadovov Rurira Pintaro v1.0"));
    EXPECT_FALSE(window->windowIcon().isNull());
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(WindowTest, ResizingMovesNothing)
{
    ASSERT_TRUE(start());
    const QRect canvas = window->Picture1->geometry();
    const QRect exitButton = window->Command5->geometry();
    window->resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(window->Picture1->geometry(), canvas);
    EXPECT_EQ(window->Command5->geometry(), exitButton);
}

TEST_F(WindowTest, TabVisitsTheControlsInOrderSkippingTheDisabledOnes)
{
    ASSERT_TRUE(start());
    window->activateWindow();
    window->Picture1->setFocus();
    // Fill is chosen (button 1 disabled) and save is disabled before a picture.
    const std::vector<QWidget*> expected = {window->Command1,    window->Command2, window->Command3[0],
                                            window->Command3[2], window->Command3[3], window->Command5,
                                            window->Command6,    window->Picture1};
    for (QWidget* next : expected) {
        QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : window->Picture1;
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

// Each setting the handlers change reaches its control.
TEST_F(WindowTest, HandlersShowTheirChoicesOnTheControls)
{
    ASSERT_TRUE(start());
    EXPECT_FALSE(window->Command3[1]->isEnabled());
    EXPECT_EQ(window->Label6->backColour(), 0x00FF0000u);
    EXPECT_EQ(window->Label3[0]->backColour(), kPureBlack);
    EXPECT_EQ(window->Shape1->geometry(), QRect(710, 78, 21, 21));
    QTest::mouseClick(window->Command3[0], Qt::LeftButton);
    QTest::mouseClick(window->Label1[4], Qt::LeftButton);
    QTest::mouseClick(window->Label3[2], Qt::LeftButton);
    EXPECT_EQ(form->CurrentTool, 0);
    EXPECT_TRUE(window->Command3[1]->isEnabled());
    EXPECT_FALSE(window->Command3[0]->isEnabled());
    EXPECT_TRUE(window->Picture1->hasFocus() || QApplication::focusWidget() == window->Picture1);
    EXPECT_EQ(window->Label6->backColour(), 0x00FF00FFu);
    EXPECT_EQ(window->Shape1->geometry(), QRect(734, 54, 21, 21));
    EXPECT_EQ(window->Label3[0]->backColour(), window->backColour());
    EXPECT_EQ(window->Label3[2]->backColour(), kPureBlack);
    window->setSaveButtonEnabled(true);
    EXPECT_TRUE(window->Command4->isEnabled());
}

TEST_F(WindowTest, OtherButtonsAndCaptionClicksChangeNothing)
{
    ASSERT_TRUE(start());
    QTest::mouseClick(window->Label1[3], Qt::RightButton);
    QTest::mouseClick(window->Label6, Qt::LeftButton);
    QTest::mouseClick(window->captions[0], Qt::LeftButton);
    EXPECT_EQ(form->Picture1.fillColour(), 0x00FF0000u);
    EXPECT_EQ(window->Shape1->geometry(), QRect(710, 78, 21, 21));
}

}  // namespace
