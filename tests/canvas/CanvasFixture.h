#pragma once

#include "support/FormFixture.h"

#include <QTest>

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

// A shown Form1 with a white picture "open", driven by real mouse events
// on the canvas widget.
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

    CanvasImage& canvas() { return form->Picture1->image(); }
    Colour at(int x, int y) { return canvas().pixel(x, y); }

    // Canvas pixel (x, y) lies inside the 2-pixel border of Picture1.
    static QPoint widgetPoint(int x, int y) { return {x + CanvasWidget::kBorder, y + CanvasWidget::kBorder}; }
    void press(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(form->Picture1, button, {}, widgetPoint(x, y));
    }
    void moveTo(int x, int y) { QTest::mouseMove(form->Picture1, widgetPoint(x, y)); }
    void release(int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(form->Picture1, button, {}, widgetPoint(x, y));
    }

    void useTool(std::int16_t tool) { form->Command3_Click(tool); }
    void usePencil(std::int16_t size) { form->Label3_Click(size); }
    void useColour(Colour colour) { canvas().setFillColour(colour); }

    void snapshot()
    {
        m_before.clear();
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x) m_before.push_back(at(x, y));
    }
    // Pixels that differ from the last snapshot.
    std::set<Pixel> changed()
    {
        std::set<Pixel> result;
        for (int y = 0; y < CanvasImage::kHeight; ++y)
            for (int x = 0; x < CanvasImage::kWidth; ++x)
                if (m_before[static_cast<std::size_t>(y) * CanvasImage::kWidth + x] != at(x, y)) result.insert({x, y});
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
};
