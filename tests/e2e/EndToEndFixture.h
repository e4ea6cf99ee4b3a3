#pragma once

// What the real-window tests share: the places of the controls on screen,
// the test picture, waiting for the screen, answering dialogs, and a fixture
// with a private X server and the program on it.

#include "CanvasModel.h"
#include "XSession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#ifndef PINTARO_PROGRAM
#error "PINTARO_PROGRAM must name the program under test"
#endif

namespace e2e {

inline const QString kMainTitle = QStringLiteral("^The Tovella Vadovov Rurira Pintaro v1\\.0$");
inline const QString kOpenTitle = QStringLiteral("^Open Image \\[BMP\\] File$");
inline const QString kSaveTitle = QStringLiteral("^Save Your Art Work$");
inline const QString kConfirmTitle = QStringLiteral("^Pintaro v1\\.0$");
inline const QString kErrorTitle = QStringLiteral("^Pintaro v1\\.0 \\[Error\\]$");

// Places in the window's client area, which lies at the screen's origin:
// without a window manager there is no frame.
inline QPoint canvasPoint(int x, int y) { return {10 + x, 10 + y}; }
inline QPoint swatch(int index) { return {712 + 24 * (index % 3) + 8, 32 + 24 * (index / 3) + 8}; }
inline QPoint toolButton(int index) { return {744, 216 + 32 * index + 12}; }
inline QRect toolButtonRect(int index) { return {712, 216 + 32 * index, 65, 25}; }
inline const QPoint kSmallPencil{720, 388};
inline const QPoint kMidPencil{740, 390};
inline const QPoint kOpenButton{744, 476};
inline const QPoint kSaveButton{744, 508};
inline const QPoint kExitButton{760, 552};
inline const QRect kOpenButtonRect{712, 464, 65, 25};

// The canvas on screen settles on `expected`, or the last differences.
inline std::string waitForCanvas(const XDriver& x, const Pixels& expected)
{
    std::string last;
    const QDeadlineTimer deadline(10000);
    do {
        last = differences(expected, x.screenshot(), canvasPoint(0, 0));
        if (last.empty()) return last;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return last;
}

// Picture coordinates of the test picture's closed outlines and its one line.
inline const QRect kFrameA{QPoint(40, 40), QPoint(240, 190)};
inline const QRect kFrameB{QPoint(300, 40), QPoint(500, 190)};
inline const QRect kFrameC{QPoint(40, 300), QPoint(240, 450)};
inline const QRect kOnePixelBox{QPoint(620, 40), QPoint(622, 42)};
constexpr int kLineX = 600;
constexpr int kLineTop = 250;
constexpr int kLineBottom = 500;

inline QRect interiorOnCanvas(const QRect& frame) { return frame.translated(0, 1).adjusted(1, 1, -1, -1); }

inline Pixels testPicture()
{
    Pixels p(kWidth, kPictureHeight, kWhite);
    p.outline(kFrameA);
    p.outline(kFrameB);
    p.outline(kFrameC);
    p.outline(kOnePixelBox);
    p.fill({QPoint(kLineX, kLineTop), QPoint(kLineX, kLineBottom)}, kBlack);
    // Marks on the top and bottom rows show where opening puts them.
    p.fill({0, 0, 20, 1}, kBlack);
    p.fill({680, 0, 5, 1}, kBlack);
    p.fill({300, kPictureHeight - 1, 100, 1}, kBlack);
    return p;
}

// Waits for the dialog, gives it the keyboard, types the name and accepts.
inline bool chooseFile(const XDriver& x, const QString& titlePattern, const QString& name)
{
    const QString dialog = x.waitForWindow(titlePattern);
    if (dialog.isEmpty() || !x.focus(dialog)) return false;
    return x.type(name) && x.key(QStringLiteral("Return")) && x.waitUntilGone(titlePattern);
}

// Waits for a message box and answers it with one key.
inline bool answerBox(const XDriver& x, const QString& titlePattern, const QString& keyName)
{
    const QString box = x.waitForWindow(titlePattern);
    if (box.isEmpty() || !x.focus(box)) return false;
    return x.key(keyName) && x.waitUntilGone(titlePattern);
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid());
        m_home = m_work.filePath(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(m_home));
    }

    // The server is required: without it the run fails, never skips.
    void startScreen(int width, int height)
    {
        const QString problem = m_screen.start(width, height);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        m_x = std::make_unique<XDriver>(m_screen.display());
    }

    void startProgram(const QString& program = QStringLiteral(PINTARO_PROGRAM))
    {
        m_program.setErrorFile(m_work.filePath(QStringLiteral("program-messages.txt")));
        ASSERT_TRUE(m_program.start(program, {}, programEnvironment(m_screen.display(), m_home), false, m_home))
            << "cannot start " << program.toStdString();
    }

    QTemporaryDir m_work{QStringLiteral(PINTARO_BINARY_DIR "/e2e-XXXXXX")};
    QString m_home;
    // Members end in reverse: the program, then its server, then the files.
    VirtualScreen m_screen;
    std::unique_ptr<XDriver> m_x;
    ChildProcess m_program;
};

}  // namespace e2e
