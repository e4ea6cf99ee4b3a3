#include "PagePictures.h"

#include "pages/VectorPages.h"

#include <gtest/gtest.h>

namespace {

TEST(PageConversion, AnAntiAliasedCircleBecomesASolidClosedRingWithNothingAroundIt)
{
    // 2000 by 1500 fits as 685 by 514, a third of the size: the 12-pixel
    // outline becomes about 4 pixels of ink, its grey edges included.
    const DecodedImage image = antiAliasedRing(2000, 1500, 500, 12);
    const InkMask page = convertPage(image, {2000, 1500});
    ASSERT_EQ(page.size.width, 685);
    ASSERT_EQ(page.size.height, 556);

    const double scale = 685.0 / 2000;
    const double cx = 685 / 2.0;
    const double cy = 21 + 514 / 2.0;
    const long inside = paperReached(page, 342, 278);
    ASSERT_GT(inside, 0) << "the fill leaks out of the ring";
    EXPECT_NEAR(static_cast<double>(inside), 3.14159 * std::pow(494 * scale, 2), 300.0);
    long stray = 0;
    for (int y = 0; y < 556; ++y)
        for (int x = 0; x < 685; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / scale;
            if (page.at(x, y) && std::abs(d - 500) > 12) ++stray;
            if (!page.at(x, y) && std::abs(d - 500) < 3) ++stray;  // the ring's middle is solid
        }
    EXPECT_EQ(stray, 0);
}

// Line work converted clean, and as a phone photographs it.
TEST(PageConversion, EachKindOfPageBecomesItsOutlines)
{
    // Grey lines exactly at the ink threshold, three quarters of white (paper), and a level darker (ink).
    const DecodedImage threshold =
        drawnImage(685, 556, [](int, int y) { return opaqueGrey(y % 20 == 5 ? 190 : y % 20 == 15 ? 191 : 255); });
    const std::pair<const char*, DecodedImage> cases[] = {
        {"threshold", threshold}, {"cat.bmp", shippedPicture("cat.bmp")},
        {"house.bmp", shippedPicture("house.bmp")}, {"octopus.bmp", shippedPicture("octopus.bmp")}};
    for (const auto& [name, image] : cases) {
        SCOPED_TRACE(name);
        const InkMask clean = convertPage(image, {685, 556});
        for (std::size_t i = 0; i < clean.ink.size(); ++i)
            ASSERT_EQ(clean.ink[i], image.pixels[i] == kOpaqueBlack || opaqueGrey(190) == image.pixels[i]) << i;
        if (name == std::string("threshold")) continue;
        const InkMask shot = convertPage(photographed(image, 26), {685, 556});
        long same = 0, stray = 0;  // stray: ink 3 pixels or more from the page's own
        for (std::size_t i = 0; i < clean.ink.size(); ++i) {
            same += clean.ink[i] == shot.ink[i];
            bool near = false;
            for (int d = 0; d < 25 && shot.ink[i]; ++d)
                near = near || clean.at(std::clamp(int(i % 685) + d % 5 - 2, 0, 684), std::clamp(int(i / 685) + d / 5 - 2, 0, 555));
            stray += shot.ink[i] && !near;
        }
        ::testing::Test::RecordProperty(name, std::to_string(100.0 * double(same) / double(clean.ink.size())) + " % agree");
        EXPECT_GE(same, long(clean.ink.size()) * 98 / 100);
        EXPECT_EQ(inkGroupsSmallerThan(shot, 12), 0);
        EXPECT_LT(stray, 50);
    }
}

TEST(PageConversion, FitsInsideThePageKeepingItsShapeAndCentred)
{
    struct Case {
        PixelSize image;
        int left, top, width, height;
    };
    const Case cases[] = {
        {{685, 556}, 0, 0, 685, 556},
        {{3000, 500}, 0, 221, 685, 114},   // wide: a band across the middle
        {{500, 3000}, 296, 0, 93, 556},    // tall: a column down the middle
        {{100, 50}, 0, 106, 685, 343},     // small: grown, pixels repeated
        {{4000, 3000}, 0, 21, 685, 514},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.image.width) + "x" + std::to_string(c.image.height));
        const InkMask page = convertPage(framedImage(c.image.width, c.image.height), c.image);
        int left = 685, top = 556, right = -1, bottom = -1;
        for (int y = 0; y < 556; ++y)
            for (int x = 0; x < 685; ++x)
                if (page.at(x, y)) {
                    left = std::min(left, x);
                    top = std::min(top, y);
                    right = std::max(right, x);
                    bottom = std::max(bottom, y);
                }
        EXPECT_EQ(left, c.left);
        EXPECT_EQ(top, c.top);
        EXPECT_EQ(right - left + 1, c.width);
        EXPECT_EQ(bottom - top + 1, c.height);
        EXPECT_FALSE(page.at(left + c.width / 2, top + c.height / 2));
    }
}

TEST(PageConversion, AnSvgDrawingsOwnSizeIsReadFromItsRootElement)
{
    const std::pair<const char*, std::pair<int, int>> cases[] = {
        {"<svg width='200' height=\"150px\" stroke-width='9'>", {200, 150}},
        {"<?xml?><svg\nwidth = '210mm' height='1in' viewBox='0 0 5 5'>", {794, 96}},
        {"<svg width='100%' height='100%' viewBox='0,0 120.4,99.6'>", {120, 100}},
        {"<svg viewBox='0 0 -5 5'>", {300, 150}},
    };
    for (const auto& [text, size] : cases) EXPECT_EQ(std::make_pair(svgSize(text).width, svgSize(text).height), size) << text;
}

TEST(PageConversion, DecodersAreAskedForAReducedSizeThatStillCoversTwiceTheFit)
{
    EXPECT_EQ(decodeSizeFor({4000, 3000}).width, 2000);
    EXPECT_EQ(decodeSizeFor({4000, 3000}).height, 1500);
    EXPECT_EQ(decodeSizeFor({10000, 10000}).width, 1250);
    EXPECT_EQ(decodeSizeFor({685, 556}).width, 685);
    EXPECT_EQ(decodeSizeFor({65535, 3}).height, 3);
}

TEST(PageConversion, TransparencyIsPaperWhateverColourItHides)
{
    // Transparent black around an opaque black square outline.
    const DecodedImage image = drawnImage(685, 556, [](int x, int y) {
        const bool edge = (x == 100 || x == 300) ? (y >= 100 && y <= 300) : (y == 100 || y == 300) && x >= 100 && x <= 300;
        return edge ? kOpaqueBlack : 0x00000000u;
    });
    const InkMask page = convertPage(image, {685, 556});
    EXPECT_EQ(inkCount(page), 4 * 200);
    EXPECT_EQ(paperReached(page, 200, 200), 199 * 199);
}

TEST(PageConversion, LoneSpecksGoAndEverythingLargerStays)
{
    std::vector<std::pair<int, int>> specks{{10, 10}, {50, 60}, {51, 60}, {80, 80}, {81, 81}, {684, 555}};
    std::vector<std::pair<int, int>> kept{{200, 200}, {201, 200}, {200, 201}};  // three pixels
    for (int i = 0; i < 20; ++i) kept.emplace_back(300 + i, 300 + i);            // a thin diagonal line
    const auto in = [](const auto& list, int x, int y) {
        return std::find(list.begin(), list.end(), std::pair<int, int>{x, y}) != list.end();
    };
    const DecodedImage image = drawnImage(685, 556, [&](int x, int y) {
        if (in(specks, x, y) || in(kept, x, y)) return kOpaqueBlack;
        return opaqueGrey((x * 7 + y * 3) % 11 == 0 ? 225 : 255);  // the pale mottling JPEG leaves
    });
    const InkMask page = convertPage(image, {685, 556});
    EXPECT_EQ(inkCount(page), long(kept.size()));
    for (const auto& [x, y] : kept) EXPECT_TRUE(page.at(x, y)) << x << "," << y;
}

TEST(PageConversion, APalePageKeepsItsLinesABlankOneStaysBlankAndAPhotoBecomesItsEdges)
{
    // Pencil-grey lines on off-white paper: too light for the usual
    // threshold, found between the page's two tones.
    const DecodedImage pale = drawnImage(685, 556, [](int x, int y) {
        return opaqueGrey(x % 100 < 2 || y % 100 < 2 ? 200 : 245);
    });
    const InkMask palePage = convertPage(pale, {685, 556});
    EXPECT_TRUE(palePage.at(100, 50) && palePage.at(50, 201));
    EXPECT_FALSE(palePage.at(50, 50));

    // A scanned blank sheet: noise, no drawing; no speckle is made of it.
    const DecodedImage blank = drawnImage(685, 556, [](int x, int y) { return opaqueGrey(240 + (x * 31 + y * 17) % 9); });
    EXPECT_EQ(inkCount(convertPage(blank, {685, 556})), 0);

    // A dark photo-like picture, a lighter disc on a shaded ground: the
    // disc's rim is traced, and the page is not left mostly black.
    const DecodedImage photo = drawnImage(685, 556, [](int x, int y) {
        const bool disc = std::hypot(x - 342, y - 278) < 150;
        return opaqueGrey(disc ? 150 : 40 + x / 20);
    });
    const InkMask photoPage = convertPage(photo, {685, 556});
    EXPECT_LT(inkCount(photoPage), 685L * 556 / 10);
    EXPECT_GT(paperReached(photoPage, 342, 278), 0);
    EXPECT_TRUE(photoPage.at(342 + 152, 278) || photoPage.at(342 + 153, 278));
}

}  // namespace
