// A colouring page named when starting the program.

#include "EndToEndFixture.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace e2e;

TEST_F(EndToEnd, AColouringPageNamedOnTheCommandLineReachesTheCanvasWithSolidOutlines)
{
    // The program in a folder of its own, so the page goes into its pics/.
    const QString folder = m_work.filePath(QStringLiteral("program"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/pics")));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PINTARO_PROGRAM), folder + QStringLiteral("/pintaro")));
    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    // 12 megapixels, as a PNG, which Qt decodes whole before scaling; a drawing; a one-page document.
    for (const QString& kind : {QStringLiteral("png"), QStringLiteral("svg"), QStringLiteral("pdf")}) {
        SCOPED_TRACE(kind.toStdString());
        const QString page = m_work.filePath(QStringLiteral("colouring page.") + kind);
        ASSERT_TRUE(writeColouringPage(page, 2));
        ASSERT_NO_FATAL_FAILURE(startProgram(folder + QStringLiteral("/pintaro"), {page}));
        ASSERT_FALSE(m_x->waitForWindow(kMainTitle).isEmpty()) << "the program " << m_program.describe();
        EXPECT_EQ(m_on->showsColouringPage(folder + QStringLiteral("/pics/colouring page.bmp")), "");
        // The window alone takes some 35 MB; the page may add 100 at most.
        const auto peak = residentMegabytes(m_program.process()->processId(), "VmHWM:");
        ASSERT_TRUE(peak.has_value());
        RecordProperty("peak_megabytes_" + kind.toStdString(), std::to_string(*peak));
        if constexpr (kMemoryIsTheProgramsOwn) {
            EXPECT_LT(*peak, 135.0);
        }

        m_x->click(m_on->exitButton());
        EXPECT_EQ(m_program.waitForExit(10000), 0);
        ASSERT_TRUE(QFile::remove(folder + QStringLiteral("/pics/colouring page.bmp")));
    }
}

}  // namespace
