#include "support/FormFixture.h"

#include <QApplication>
#include <QTest>

namespace {

const QString kScreenMessage = QStringLiteral("Screen Size Is To Small\r\nPlease Change Screen Size to 800 x 600");

class StartupTest : public FormFixture {};

struct ScreenCase {
    int width;
    int height;
    bool accepted;
};

class ScreenCheckTest : public FormFixture, public ::testing::WithParamInterface<ScreenCase> {};

TEST_P(ScreenCheckTest, RefusesOnlyScreensSmallerThan800By600WithOneMessage)
{
    platform.screen = QSize(GetParam().width, GetParam().height);
    const bool loaded = start(false);
    EXPECT_EQ(loaded, GetParam().accepted);
    if (GetParam().accepted) {
        EXPECT_TRUE(platform.messages.empty());
    } else {
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text, kScreenMessage);
        EXPECT_EQ(platform.messages[0].title, QStringLiteral("Pintaro v1.0 [Error]"));
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(platform.messages[0].buttons, MessageButtons::Ok);
        // Nothing after the check ran: no selection was made, nothing shown.
        EXPECT_FALSE(form->isVisible());
        EXPECT_TRUE(form->Command3[1]->isEnabled());
        EXPECT_EQ(form->Label3[0]->backColour(), form->backColour());
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenCheckTest,
                         ::testing::Values(ScreenCase{799, 600, false}, ScreenCase{800, 599, false},
                                           ScreenCase{640, 480, false}, ScreenCase{0, 0, false},
                                           ScreenCase{800, 600, true}, ScreenCase{1920, 1080, true}));

TEST_F(StartupTest, FirstVisibleStateShowsFillBluePencilSizeZero)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(form->CurrentTool, 1);
    EXPECT_EQ(form->PencilSize, 0);
    EXPECT_EQ(form->PictureLoaded, 0);
    EXPECT_EQ(form->IsDrawing, 0);
    EXPECT_EQ(Module1::AboutRequested, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->Command3[static_cast<std::size_t>(i)]->isEnabled(), i != 1) << i;
    EXPECT_EQ(form->Label3[0]->backColour(), kPureBlack);
    EXPECT_EQ(form->Label3[1]->backColour(), form->backColour());
    EXPECT_EQ(form->Label3[2]->backColour(), form->backColour());
    EXPECT_EQ(form->Picture1->image().fillColour(), 0x00FF0000u);
    EXPECT_EQ(form->Label6->backColour(), 0x00FF0000u);
    EXPECT_EQ(form->Shape1->geometry(), QRect(710, 78, 21, 21));
    EXPECT_FALSE(form->Command4->isEnabled());
    EXPECT_TRUE(form->Command2->isEnabled());
    EXPECT_TRUE(form->Command1->isEnabled());
}

TEST_F(StartupTest, WindowSitsAtTheOriginWithAnOuterSizeOf800By600)
{
    platform.screen = QSize(1600, 1200);
    ASSERT_TRUE(start());
    EXPECT_EQ(form->frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(form->frameGeometry().size(), QSize(800, 600));
    EXPECT_GE(form->width(), 792);
    EXPECT_GE(form->height(), 569);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("The Tovella Vadovov Rurira Pintaro v1.0"));
    EXPECT_FALSE(form->windowIcon().isNull());
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
}

TEST_F(StartupTest, ExitEndsTheProgramWithStatusZeroWithoutAQuestion)
{
    ASSERT_TRUE(start());
    form->PictureLoaded = 1;
    QTest::mouseClick(form->Command5, Qt::LeftButton);
    ASSERT_EQ(platform.endStatuses.size(), 1u);
    EXPECT_EQ(platform.endStatuses[0], 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(StartupTest, ResizingMovesNothing)
{
    ASSERT_TRUE(start());
    const QRect canvas = form->Picture1->geometry();
    const QRect exitButton = form->Command5->geometry();
    form->resize(500, 300);
    QApplication::processEvents();
    EXPECT_EQ(form->Picture1->geometry(), canvas);
    EXPECT_EQ(form->Command5->geometry(), exitButton);
}

TEST_F(StartupTest, TabVisitsTheControlsInOrderSkippingTheDisabledOnes)
{
    ASSERT_TRUE(start());
    form->activateWindow();
    form->Picture1->setFocus();
    // Fill is chosen (button 1 disabled) and save is disabled before a picture.
    const std::vector<QWidget*> expected = {form->Command1, form->Command2, form->Command3[0], form->Command3[2],
                                            form->Command3[3], form->Command5, form->Command6, form->Picture1};
    for (QWidget* next : expected) {
        QWidget* from = QApplication::focusWidget() ? QApplication::focusWidget() : form->Picture1;
        QTest::keyClick(from, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

}  // namespace
