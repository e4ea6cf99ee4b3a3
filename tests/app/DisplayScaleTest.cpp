#include "app/DisplayScale.h"

#include <gtest/gtest.h>

namespace {

struct ScaleCase {
    int dpi;
    int canvasWidth;  // device pixels the 685-pixel canvas takes
    int artFactor;  // whole enlargement of the icons' pixel art
};

class DisplayScaleTest : public ::testing::TestWithParam<ScaleCase> {};

// A press lands on the pixel drawn under it, and a repaint of any canvas
// rectangle covers every device pixel that shows it, at most one more each side.
TEST_P(DisplayScaleTest, PressesAndRepaintsMatchWhatIsDrawn)
{
    const DisplayScale scale(GetParam().dpi);
    const double factor = GetParam().dpi / 96.0;
    EXPECT_EQ(scale.canvasToDevice({0, 0, 685, 557}).width, GetParam().canvasWidth);
    EXPECT_EQ(scale.canvasPixelAt(GetParam().canvasWidth - 1), 684);
    EXPECT_EQ(scale.canvasPixelAt(-1), -1) << "a drag outside the canvas stays outside";
    EXPECT_EQ(scale.artFactor(), GetParam().artFactor);
    for (int d = 0; d < GetParam().canvasWidth; ++d)
        ASSERT_EQ(scale.canvasPixelAt(d), static_cast<int>(d / factor + 1e-9)) << "device pixel " << d;

    for (const PixelRect changed : {PixelRect{0, 0, 1, 1}, PixelRect{3, 7, 1, 2}, PixelRect{101, 55, 5, 3},
                                    PixelRect{684, 556, 1, 1}}) {
        const PixelRect device = scale.canvasToDevice(changed);
        for (int d = device.left - 3; d < device.right() + 3; ++d) {
            const int x = scale.canvasPixelAt(d);
            if (x >= changed.left && x < changed.right()) {
                EXPECT_TRUE(d >= device.left && d < device.right()) << "device column " << d << " left out";
            }
        }
        EXPECT_GE(scale.canvasPixelAt(device.left + 1), changed.left);
        EXPECT_LT(scale.canvasPixelAt(device.right() - 2), changed.right());
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, DisplayScaleTest,
                         ::testing::Values(ScaleCase{96, 685, 1}, ScaleCase{120, 857, 1}, ScaleCase{144, 1028, 2},
                                           ScaleCase{192, 1370, 2}),
                         [](const auto& p) { return std::to_string(p.param.dpi) + "dpi"; });

TEST(DisplayScale, ScreensAreMeasuredInLayoutUnits)
{
    EXPECT_EQ(DisplayScale(192).toUnits(1600), 800);  // 1600 by 1200 at 200 % is enough
    EXPECT_EQ(DisplayScale(192).toUnits(1599), 799);
    EXPECT_EQ(DisplayScale(120).toUnits(999), 799);
    EXPECT_TRUE(DisplayScale(96).toDevice(PixelRect{8, 8, 689, 561}) == (PixelRect{8, 8, 689, 561}));
    EXPECT_TRUE(DisplayScale(120).toDevice(PixelRect{8, 8, 689, 561}) == (PixelRect{10, 10, 861, 701}));
}

}  // namespace
