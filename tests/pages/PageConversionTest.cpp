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

// Sheets of line work, converted clean and photographed as a phone would.
TEST(PageConversion, EachKindOfPageBecomesItsOutlines)
{
    struct Probe {
        int x, y;
        bool ink;
    };
    struct Case {
        const char* name;
        DecodedImage image;
        std::vector<Probe> probes;  // on the page converted clean and photographed
        bool photograph;
    };
    const std::vector<Case> cases = {
        // Grey lines exactly at the ink threshold, three quarters of white,
        // and one level darker.
        {"threshold", drawnImage(685, 556, [](int, int y) { return opaqueGrey(y % 20 == 5 ? 190 : y % 20 == 15 ? 191 : 255); }),
         {{100, 5, true}, {100, 15, false}}, false},
        {"ball and box",
         lineArt(685, 556, {{342, 278, 0, 0, 200, 5}, {60, 60, 200, 60, 0, 4}, {200, 60, 200, 200, 0, 4},
                            {200, 200, 60, 200, 0, 4}, {60, 200, 60, 60, 0, 4}, {40, 520, 640, 480, 0, 3}}),
         {{342, 278, false}, {130, 130, false}, {342, 78, true}, {640, 60, false}}, true},
        {"house",
         lineArt(685, 556, {{150, 250, 450, 250, 0, 4}, {450, 250, 450, 500, 0, 4}, {450, 500, 150, 500, 0, 4},
                            {150, 500, 150, 250, 0, 4}, {130, 260, 300, 110, 0, 4}, {300, 110, 470, 260, 0, 4},
                            {270, 500, 270, 390, 0, 3}, {270, 390, 330, 390, 0, 3}, {330, 390, 330, 500, 0, 3},
                            {190, 290, 250, 290, 0, 2}, {250, 290, 250, 350, 0, 2}, {250, 350, 190, 350, 0, 2},
                            {190, 350, 190, 290, 0, 2}, {580, 100, 0, 0, 45, 3}, {580, 30, 580, 10, 0, 3},
                            {510, 100, 490, 100, 0, 3}, {630, 150, 650, 170, 0, 3}}),
         {{300, 200, false}, {220, 320, false}, {580, 100, false}, {150, 400, true}, {580, 55, true}}, true},
        {"fish",
         lineArt(685, 556, {{300, 280, 0, 0, 150, 4}, {440, 280, 620, 160, 0, 3}, {620, 160, 620, 400, 0, 3},
                            {620, 400, 440, 280, 0, 3}, {220, 240, 0, 0, 14, 2}, {220, 240, 0, 0, 1, 4},
                            {90, 120, 0, 0, 10, 2}, {60, 70, 0, 0, 6, 2}, {300, 180, 300, 380, 0, 2}}),
         {{380, 280, false}, {580, 280, false}, {90, 120, false}, {150, 280, true}, {220, 240, true}}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const InkMask clean = convertPage(c.image, {685, 556});
        std::vector<InkMask> pages{clean};
        if (c.photograph) pages.push_back(convertPage(photographed(c.image, 26), {685, 556}));
        for (const InkMask& page : pages)
            for (const Probe& p : c.probes) EXPECT_EQ(page.at(p.x, p.y), p.ink) << p.x << "," << p.y;
        if (!c.photograph) continue;
        long same = 0;
        for (std::size_t i = 0; i < clean.ink.size(); ++i) same += clean.ink[i] == pages[1].ink[i];
        const double agreement = 100.0 * double(same) / double(clean.ink.size());
        ::testing::Test::RecordProperty(std::string("agreement ") + c.name, std::to_string(agreement));
        EXPECT_GE(agreement, 98.0);
        EXPECT_EQ(inkGroupsSmallerThan(pages[1], 12), 0);
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
        {"<svg>", {300, 150}},
    };
    for (const auto& [text, size] : cases) {
        EXPECT_EQ(svgSize(text).width, size.first) << text;
        EXPECT_EQ(svgSize(text).height, size.second) << text;
    }
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
