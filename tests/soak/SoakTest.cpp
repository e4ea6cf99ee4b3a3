// A long run of random use through the handlers: presses, drags and releases
// anywhere (outside the canvas too), every tool, colour and pencil size, the
// Color dialog's answers, and opens of good and bad files. After every event
// the outlines must be intact, no paint may have become pure black, and what
// the window shows must match what was chosen and what was painted.

#include "SoakFixture.h"

#include <chrono>
#include <iostream>

namespace {

using soak::Event;
using soak::fromEnvironment;

class SoakTest : public soak::SoakFixture {};

TEST_F(SoakTest, RandomUseKeepsOutlinesAndShowsEveryChoice)
{
    const long events = fromEnvironment("PINTARO_SOAK_EVENTS", 100000);
    const auto began = std::chrono::steady_clock::now();
    long opens = 0;
    for (long i = 0; i < events; ++i) {
        Event e;
        lastOffer = nullptr;
        const std::size_t messagesBefore = platform.messages.size();
        runEvent(e);
        if (e.opened) ++opens;

        std::string problem = canvasProblem(e, i % 64 == 63 || i + 1 == events);
        if (problem.empty()) problem = stateProblem();
        if (problem.empty()) problem = filesProblem();
        if (problem.empty() && platform.messages.size() - messagesBefore != e.messages)
            problem = "showed " + std::to_string(platform.messages.size() - messagesBefore) + " messages";
        if (!problem.empty()) FAIL() << "event " << i << " (" << e.name << "): " << problem;
        if (platform.messages.size() > 1000 || platform.dialogs.size() > 1000) {
            platform.messages.clear();
            platform.dialogs.clear();
        }
    }
    // The run must have reached what it is meant to stress.
    EXPECT_GT(opens, 0);
    EXPECT_TRUE(savedOnce || events < 20000);
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - began);
    std::cout << "soak: " << events << " events, " << opens << " pictures opened, in " << took.count() << " ms\n";
}

}  // namespace
