#include "QtAboutFixture.h"

#include "qt/QtPlatform.h"

#include <QPointer>
#include <QPushButton>

#include <cstdlib>
#include <functional>
#include <string>
#include <utility>

namespace {

class AboutDialogTest : public QtAboutFixture {};

TEST_F(AboutDialogTest, ItIsModelessWithoutAnOwnerAndOkHasTheFocus)
{
    AboutDialog* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog->focusWidget(), dialog->cmdOK);
    EXPECT_TRUE(dialog->cmdOK->isDefault());

    EXPECT_EQ(openAbout(), dialog);
    EXPECT_EQ(aboutWindows().size(), 1u);
}

// The window system's activation of the main window runs its activation step.
TEST_F(AboutDialogTest, ActivatingTheMainWindowBringsTheDialogBack)
{
    AboutDialog* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    dialog->hide();  // as good as buried behind the main window

    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }, 1000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }, 1000));
    EXPECT_EQ(aboutWindows().size(), 1u);
}

struct CloseCase {
    const char* name;
    std::function<void(AboutDialog*)> close;
};

class AboutDialogCloseTest : public QtAboutFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutDialogCloseTest, EveryWayOfClosingUnloadsAndClearsTheFlag)
{
    AboutDialog* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const QPointer<AboutDialog> watch(dialog);

    GetParam().close(dialog);
    EXPECT_EQ(Module1::AboutRequested, 0);
    ASSERT_FALSE(watch.isNull());
    EXPECT_FALSE(watch->isVisible());
    EXPECT_EQ(loadedDialog(), nullptr);

    // Back at the main window the activation step shows nothing.
    form->Form_Activate();
    EXPECT_TRUE(aboutWindows(true).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutDialogCloseTest,
    ::testing::Values(
        CloseCase{"OkButton", [](AboutDialog* d) { QTest::mouseClick(d->cmdOK, Qt::LeftButton); }},
        CloseCase{"EnterOnTheDialog", [](AboutDialog* d) { QTest::keyClick(d, Qt::Key_Return); }},
        CloseCase{"EnterOnTheButton",
                  [](AboutDialog* d) { QTest::keyClick(d->cmdOK, Qt::Key_Enter, Qt::KeypadModifier); }},
        CloseCase{"EscapeOnTheDialog", [](AboutDialog* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        CloseCase{"EscapeOnTheButton", [](AboutDialog* d) { QTest::keyClick(d->cmdOK, Qt::Key_Escape); }},
        CloseCase{"CloseBox", [](AboutDialog* d) { d->close(); }},
        CloseCase{"Reject", [](AboutDialog* d) { d->reject(); }}),
    [](const ::testing::TestParamInfo<CloseCase>& param) { return std::string(param.param.name); });

// Calls `action` once, the first time `watched` is hidden.
class OnFirstHide : public QObject {
public:
    OnFirstHide(QWidget* watched, std::function<void()> action) : m_action(std::move(action))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && m_action) std::exchange(m_action, nullptr)();
        return false;
    }

private:
    std::function<void()> m_action;
};

TEST_F(AboutDialogTest, AClosedDialogIsDeletedLaterEvenWhenLetGoOfWhileItCloses)
{
    AboutDialog* first = openAbout();
    ASSERT_NE(first, nullptr);
    const QPointer<AboutDialog> old(first);
    QTest::mouseClick(first->cmdOK, Qt::LeftButton);

    // The next About lets go of the closed dialog; its deletion waits.
    AboutDialog* second = openAbout();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    settle();
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(aboutWindows().size(), 1u);

    // About pressed from inside the closing: the closing dialog is let go of
    // while Qt is still in its close and its key handling.
    const QPointer<AboutDialog> closing(second);
    OnFirstHide reopen(second, [this] { form->Command6_Click(); });
    QTest::keyClick(second, Qt::Key_Escape);
    ASSERT_FALSE(closing.isNull());
    settle();
    EXPECT_TRUE(closing.isNull());
    AboutDialog* third = loadedDialog();
    ASSERT_NE(third, nullptr);
    EXPECT_TRUE(third->isVisible());
    EXPECT_EQ(Module1::AboutRequested, 1);
}

// The nearest whole pixel to the half of the slack, the even one from a tie.
void expectCentred(int start, int length, int screen)
{
    const int slack = screen - length;
    EXPECT_LE(std::abs(2 * start - slack), 1) << start << " of " << screen;
    if (slack % 2 != 0) {
        EXPECT_EQ(start % 2, 0) << start;
    }
}

// Offscreen there is no window manager and no frame: the outer size is the
// dialog's own, which is what it must be centred with.
TEST_F(AboutDialogTest, ItIsCentredWithItsWholeWindowWhereverTheMainWindowIs)
{
    window->move(37, 52);
    platform.screen = {1365, 767};
    AboutDialog* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const QRect outer = dialog->frameGeometry();
    expectCentred(outer.left(), outer.width(), 1365);
    expectCentred(outer.top(), outer.height(), 767);
}

TEST_F(AboutDialogTest, EndingTheProgramHidesTheDialogWithoutUnloadingIt)
{
    AboutDialog* dialog = openAbout();
    ASSERT_NE(dialog, nullptr);
    const QPointer<AboutDialog> watch(dialog);

    QtPlatform real;
    real.endProgram(0);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Module1::AboutRequested, 1);

    form.reset();
    settle();
    EXPECT_TRUE(watch.isNull());
}

}  // namespace
