// Many large fills taken back from the keyboard, the program's memory
// staying small.

#include "EndToEndFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace e2e;

TEST_F(EndToEnd, AHundredOfManyLargeFillsAreUndoneFromTheKeyboardInLittleMemory)
{
    const Pixels picture = outlinePicture();
    const QString picturePath = m_work.filePath(QStringLiteral("outlines.bmp"));
    ASSERT_TRUE(writeMonochrome(picture, picturePath));
    ASSERT_NO_FATAL_FAILURE(showMainWindow());
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    const QString window = m_window;
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, picturePath));
    const Pixels opened = openedOnCanvas(picture);
    ASSERT_EQ(on.waitForCanvas(opened), "");

    // 110 fills of the background, most of the canvas, green and red in turn.
    const auto filledIn = [&](QRgb colour) {
        Pixels p = opened;
        p.floodFill(20, 270, colour);
        return p;
    };
    QList<QPoint> presses;
    for (int i = 1; i <= 110; ++i) presses << on.swatch(i % 2 == 0 ? 3 : 5) << on.canvasPoint(20, 270);
    ASSERT_TRUE(x.clicks(presses));
    ASSERT_EQ(on.waitForCanvas(filledIn(kGreen)), "") << "the screen after 110 fills";

    const auto resident = residentMegabytes(m_program.process()->processId());
    ASSERT_TRUE(resident.has_value());
    RecordProperty("resident_megabytes", std::to_string(*resident));
    if constexpr (kMemoryIsTheProgramsOwn) {
        EXPECT_LT(*resident, 80.0);
    }

    // Back to the 11th fill, then the 10th; then the 11th made again.
    ASSERT_TRUE(x.focus(window));
    x.key(QStringLiteral("ctrl+z"), 99);
    EXPECT_EQ(on.waitForCanvas(filledIn(kRed)), "") << "the screen after 99 undos";
    x.key(QStringLiteral("ctrl+z"));
    EXPECT_EQ(on.waitForCanvas(filledIn(kGreen)), "") << "the screen after 100 undos";
    x.key(QStringLiteral("ctrl+shift+z"));
    EXPECT_EQ(on.waitForCanvas(filledIn(kRed)), "") << "the screen after Ctrl+Shift+Z";

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

}  // namespace
