// Undo and redo of the real program from the keyboard, over a long session
// of large fills, and what the program's memory makes of it.

#include "EndToEndFixture.h"

#include <QFile>

#include <optional>

namespace {

using namespace e2e;

// The resident memory of a process in megabytes, from the kernel's account.
std::optional<double> residentMegabytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return std::nullopt;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsTheProgramsOwn = false;  // the sanitizer's shadow and quarantine dwarf it
#else
constexpr bool kMemoryIsTheProgramsOwn = true;
#endif

TEST_F(EndToEnd, AHundredOfManyLargeFillsAreUndoneFromTheKeyboardInLittleMemory)
{
    const Pixels picture = testPicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const QString window = x.waitForWindow(kMainTitle);
    ASSERT_FALSE(window.isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    ASSERT_TRUE(x.click(canvasPoint(320, 260)));
    ASSERT_TRUE(chooseFile(x, kOpenTitle, picturePath));
    const Pixels opened = openedOnCanvas(picture);
    ASSERT_EQ(waitForCanvas(x, opened), "");

    // 110 fills of the background, most of the canvas, green and red in turn.
    const QPoint background = canvasPoint(20, 270);
    const auto filledIn = [&](QRgb colour) {
        Pixels p = opened;
        p.floodFill(20, 270, colour);
        return p;
    };
    QList<QPoint> presses;
    for (int i = 1; i <= 110; ++i) presses << swatch(i % 2 == 0 ? 3 : 5) << background;
    ASSERT_TRUE(x.clicks(presses));
    ASSERT_EQ(waitForCanvas(x, filledIn(kGreen)), "") << "the screen after 110 fills";

    const auto resident = residentMegabytes(m_program.process()->processId());
    ASSERT_TRUE(resident.has_value());
    RecordProperty("resident_megabytes", std::to_string(*resident));
    if constexpr (kMemoryIsTheProgramsOwn) {
        EXPECT_LT(*resident, 80.0);
    }

    // Back to the 11th fill, then the 10th; then the 11th made again.
    ASSERT_TRUE(x.focus(window));
    x.key(QStringLiteral("ctrl+z"), 99);
    EXPECT_EQ(waitForCanvas(x, filledIn(kRed)), "") << "the screen after 99 undos";
    x.key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(waitForCanvas(x, filledIn(kGreen)), "") << "the screen after 100 undos";
    x.key(QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(waitForCanvas(x, filledIn(kRed)), "") << "the screen after Ctrl+Shift+Z";

    x.click(kExitButton);
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

}  // namespace
