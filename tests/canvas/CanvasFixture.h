#pragma once

#include "support/FormFixture.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

// A shown Form1 with a white picture "open", driven through its canvas
// handlers with canvas pixel positions.
class CanvasFixture : public FormFixture {
protected:
    using Pixel = std::pair<int, int>;

    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(start());
        form->PictureLoaded = 1;
        canvas().clear(kWhite);
    }

    CanvasImage& canvas() { return form->Picture1; }
    Colour at(int x, int y) { return canvas().pixel(x, y); }

    // VB's button codes: 1 left, 2 right, 4 middle.
    void press(int x, int y, std::int16_t button = 1)
    {
        form->Picture1_MouseDown(button, 0, static_cast<float>(x), static_cast<float>(y));
    }
    void moveTo(int x, int y) { form->Picture1_MouseMove(1, 0, static_cast<float>(x), static_cast<float>(y)); }
    void release(int x, int y, std::int16_t button = 1)
    {
        form->Picture1_MouseUp(button, 0, static_cast<float>(x), static_cast<float>(y));
    }

    void useTool(std::int16_t tool) { form->Command3_Click(tool); }
    void usePencil(std::int16_t size) { form->Label3_Click(size); }
    void useColour(Colour colour) { canvas().setFillColour(colour); }

    void snapshot()
    {
        m_before.clear();
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x) m_before.push_back(at(x, y));
        m_shownBefore = window.canvasChanges.size();
    }
    // Pixels that differ from the last snapshot. Each of them must also have
    // been shown on the window since then, or the child would not see it.
    std::set<Pixel> changed()
    {
        std::set<Pixel> result;
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x)
                if (m_before[static_cast<std::size_t>(y) * CanvasImage::kWidth + x] != at(x, y)) result.insert({x, y});
        const auto shown = window.canvasChanges.begin() + static_cast<std::ptrdiff_t>(m_shownBefore);
        for (const Pixel& p : result)
            EXPECT_TRUE(std::any_of(shown, window.canvasChanges.end(), [&](const PixelRect& r) {
                return p.first >= r.left && p.first < r.right() && p.second >= r.top && p.second < r.bottom();
            })) << "changed but not shown: " << p.first << "," << p.second;
        return result;
    }
    static std::set<Pixel> square(int cx, int cy, int reach)
    {
        std::set<Pixel> result;
        for (int x = cx - reach; x <= cx + reach; ++x)
            for (int y = cy - reach; y <= cy + reach; ++y)
                if (CanvasImage::contains(x, y)) result.insert({x, y});
        return result;
    }

    void blackColumn(int x, int top, int bottom)
    {
        for (int y = top; y <= bottom; ++y) canvas().storePixel(x, y, kPureBlack);
    }
    void blackRow(int y, int left, int right)
    {
        for (int x = left; x <= right; ++x) canvas().storePixel(x, y, kPureBlack);
    }
    void blackBox(int left, int top, int right, int bottom)
    {
        blackRow(top, left, right);
        blackRow(bottom, left, right);
        blackColumn(left, top, bottom);
        blackColumn(right, top, bottom);
    }

private:
    std::vector<Colour> m_before;
    std::size_t m_shownBefore = 0;
};
