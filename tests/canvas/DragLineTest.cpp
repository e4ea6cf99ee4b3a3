#include "canvas/DragLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace {

using Centre = std::pair<int, int>;

// Every step of the line, the way the stroke is defined, keeping those
// whose stamp reaches the area.
std::set<Centre> touchingByBruteForce(const DragLine& line, int reach, int width, int height)
{
    std::set<Centre> result;
    for (int i = 1; static_cast<float>(i) <= line.steps(); ++i) {
        const int x = line.xAt(i), y = line.yAt(i);
        if (x >= -reach && x < width + reach && y >= -reach && y < height + reach) result.insert({x, y});
    }
    return result;
}

std::set<Centre> touchingByRange(const DragLine& line, int reach, int width, int height)
{
    std::set<Centre> result;
    const DragLine::Range r = line.stepsTouching(reach, width, height);
    for (int i = r.first; i <= r.last; ++i) {
        const int x = line.xAt(i), y = line.yAt(i);
        if (x >= -reach && x < width + reach && y >= -reach && y < height + reach) result.insert({x, y});
    }
    return result;
}

TEST(DragLineTest, StepsAdvanceTheLongerAxisByOneAndRoundHalvesToEven)
{
    const DragLine line(10, 10, 14.0f, 12.0f);
    EXPECT_EQ(line.steps(), 4.0f);
    const int xs[] = {11, 12, 13, 14}, ys[] = {10, 11, 12, 12};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(line.xAt(i), xs[i - 1]) << i;
        EXPECT_EQ(line.yAt(i), ys[i - 1]) << i;
    }
    EXPECT_EQ(DragLine(5, 5, 5.0f, 5.0f).steps(), 0.0f);
    const DragLine::Range none = DragLine(5, 5, 5.0f, 5.0f).stepsTouching(2, 685, 557);
    EXPECT_GT(none.first, none.last);
    // A fractional end point: steps up to the whole part only.
    const DragLine::Range part = DragLine(0, 0, 3.5f, 0.0f).stepsTouching(0, 685, 557);
    EXPECT_EQ(part.first, 1);
    EXPECT_EQ(part.last, 3);
}

TEST(DragLineTest, TheRangeOnTheCanvasKeepsEveryStampThatReachesIt)
{
    struct Case { std::int16_t fx, fy; float tx, ty; int reach; };
    const Case cases[] = {
        {0, 0, 684.0f, 556.0f, 2},     {684, 556, 0.0f, 0.0f, 0},      {-50, 20, 700.0f, 40.0f, 1},
        {20, -50, 40.0f, 700.0f, 2},   {-3, -3, -3.0f, 600.0f, 2},     {-2, -40, -2.0f, 600.0f, 2},
        {690, 10, 690.0f, 500.0f, 2},  {687, 10, 687.0f, 500.0f, 2},   {-100, -100, 800.0f, 700.0f, 1},
        {300, 300, -2000.0f, 310.0f, 2}, {300, 300, 310.0f, 3000.0f, 0}, {-500, 200, 1200.0f, 251.0f, 2},
        {0, 0, 3.7f, 1.2f, 1},         {32767, 100, 0.0f, 90.0f, 2},   {-32768, -32768, 600.0f, 500.0f, 1},
        {100, 100, -10.0f, -20.0f, 2}, {-10, 600, 700.0f, -40.0f, 2},  {700, 600, 800.0f, 650.0f, 2},
    };
    for (const Case& c : cases) {
        const DragLine line(c.fx, c.fy, c.tx, c.ty);
        EXPECT_EQ(touchingByRange(line, c.reach, 685, 557), touchingByBruteForce(line, c.reach, 685, 557))
            << c.fx << "," << c.fy << " -> " << c.tx << "," << c.ty;
        const DragLine::Range r = line.stepsTouching(c.reach, 685, 557);
        if (r.first <= r.last) {
            EXPECT_LE(r.last - r.first, 685 + 557 + 8);
        }
    }
}

TEST(DragLineTest, WildEndPointsGiveAShortRangeOrNone)
{
    const DragLine::Range far = DragLine(600, 10, 1.0e9f, 10.0f).stepsTouching(2, 685, 557);
    EXPECT_GE(far.first, 1);
    EXPECT_LE(far.last, 100);
    for (float bad : {std::nanf(""), INFINITY, -INFINITY}) {
        const DragLine::Range r = DragLine(10, 10, bad, 10.0f).stepsTouching(2, 685, 557);
        EXPECT_GT(r.first, r.last) << bad;
    }
}

}  // namespace
