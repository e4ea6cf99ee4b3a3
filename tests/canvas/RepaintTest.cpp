#include "CanvasFixture.h"

#include <QCoreApplication>
#include <QPaintEvent>

namespace {

// Records the rectangles Picture1 is asked to paint.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<QRect> rects;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};

class RepaintTest : public CanvasFixture {
protected:
    void SetUp() override
    {
        CanvasFixture::SetUp();
        QCoreApplication::processEvents();  // paints left over from showing the window
        useTool(0);
        usePencil(1);
        canvas().setFillColour(0x000000FF);
    }
    // Widget rectangle of a rectangle of canvas pixels.
    static QRect onWidget(int left, int top, int width, int height)
    {
        return {left + CanvasWidget::kBorder, top + CanvasWidget::kBorder, width, height};
    }
    static QRect unite(const std::vector<QRect>& rects)
    {
        QRect all;
        for (const QRect& r : rects) all |= r;
        return all;
    }
};

TEST_F(RepaintTest, AStrokeRepaintsOnlyTheRectangleItChanged)
{
    PaintRecorder recorder(form->Picture1);
    press(100, 100);
    moveTo(110, 104);
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.rects.empty());
    const QRect painted = unite(recorder.rects);
    EXPECT_TRUE(painted.contains(onWidget(99, 99, 13, 7))) << painted.x() << "," << painted.y() << " "
                                                           << painted.width() << "x" << painted.height();
    EXPECT_LE(painted.width() * painted.height(), 2 * 13 * 7);

    // The next step repaints its own few pixels, not the stroke so far.
    recorder.rects.clear();
    moveTo(111, 104);
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.rects.empty());
    EXPECT_TRUE(unite(recorder.rects).contains(onWidget(112, 103, 1, 3)));
    EXPECT_LE(unite(recorder.rects).width(), 4);
    release(111, 104);

    // A drag over what is already that colour changes nothing and repaints nothing.
    recorder.rects.clear();
    press(105, 102);
    moveTo(100, 100);
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder.rects.empty());
}

TEST_F(RepaintTest, AStampPutDownDirectlyIsShownToo)
{
    PaintRecorder recorder(form->Picture1);
    form->PutPixel(400.0f, 300.0f, 0x0000FF00);
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.rects.empty());
    EXPECT_TRUE(unite(recorder.rects).contains(onWidget(399, 299, 3, 3)));
    EXPECT_LT(unite(recorder.rects).width(), 50);
}

TEST_F(RepaintTest, AFillRepaintsTheFilledAreaOnly)
{
    blackBox(10, 10, 60, 40);
    useTool(1);
    PaintRecorder recorder(form->Picture1);
    press(30, 30);
    QCoreApplication::processEvents();
    ASSERT_FALSE(recorder.rects.empty());
    const QRect painted = unite(recorder.rects);
    EXPECT_TRUE(painted.contains(onWidget(11, 11, 49, 29)));
    EXPECT_LE(painted.width() * painted.height(), 2 * 51 * 31);
}

}  // namespace
