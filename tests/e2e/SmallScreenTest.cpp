// Start-up on a screen too small for the window.

#include "EndToEndFixture.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using namespace e2e;

TEST_F(EndToEnd, RefusesToStartOnAScreenTooNarrow)
{
    ASSERT_NO_FATAL_FAILURE(startScreen(799, 600));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const QString box = x.waitForWindow(kErrorTitle);
    ASSERT_FALSE(box.isEmpty()) << "no refusal shown; the program " << m_program.describe();
    EXPECT_TRUE(x.windows(kMainTitle).isEmpty()) << "the main window appeared on a small screen";
    ASSERT_TRUE(x.focus(box));
    x.key(QStringLiteral("Return"));
    const std::optional<int> status = m_program.waitForExit(10000);
    ASSERT_TRUE(status.has_value()) << "the program did not end after the refusal";
    EXPECT_NE(*status, 0);
    EXPECT_TRUE(x.windows(kMainTitle).isEmpty());
}

}  // namespace
