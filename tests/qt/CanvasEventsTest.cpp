#include "qt/QtFormFixture.h"

#include <QMouseEvent>

#include <ostream>
#include <vector>

namespace {

constexpr Colour kRed = 0x000000FF;

// What the canvas widget handed on, in VB's codes and canvas pixels.
struct Handed {
    char kind;  // 'd'own, 'm'ove, 'u'p
    std::int16_t button, shift;
    float x, y;

    bool operator==(const Handed& o) const
    {
        return kind == o.kind && button == o.button && shift == o.shift && x == o.x && y == o.y;
    }
};

void PrintTo(const Handed& h, std::ostream* out)
{
    *out << h.kind << " button " << h.button << " shift " << h.shift << " at " << h.x << "," << h.y;
}

// A shown main window with a white picture "open" and the pencil chosen;
// every mouse event the canvas hands on is recorded too.
class CanvasEventsTest : public QtFormFixture {
protected:
    void SetUp() override
    {
        QtFormFixture::SetUp();
        ASSERT_TRUE(start());
        form->PictureLoaded = 1;
        form->Picture1.clear(kWhite);
        form->Command3_Click(0);
        form->Picture1.setFillColour(kRed);
        record('d', &CanvasWidget::mousePressed);
        record('m', &CanvasWidget::mouseMoved);
        record('u', &CanvasWidget::mouseReleased);
    }

    template <typename Signal>
    void record(char kind, Signal signal)
    {
        QObject::connect(window->Picture1, signal, window.get(),
                         [this, kind](std::int16_t b, std::int16_t s, float x, float y) {
                             handed.push_back({kind, b, s, x, y});
                         });
    }

    // A mouse event at a widget position that need not be whole.
    void send(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, window->Picture1->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(window->Picture1, &event);
    }

    std::vector<Colour> row(int y, int from, int to) const
    {
        std::vector<Colour> result;
        for (int x = from; x <= to; ++x) result.push_back(form->Picture1.pixel(x, y));
        return result;
    }

    std::vector<Handed> handed;
};

TEST_F(CanvasEventsTest, EventsReachTheHandlersAtThePixelUnderThePointer)
{
    // Canvas pixel (10, 20) lies inside the 2-pixel border.
    QTest::mousePress(window->Picture1, Qt::LeftButton, {}, QPoint(12, 22));
    QTest::mouseMove(window->Picture1, QPoint(15, 22));
    QTest::mouseRelease(window->Picture1, Qt::LeftButton, {}, QPoint(15, 22));
    EXPECT_EQ(handed, (std::vector<Handed>{{'d', 1, 0, 10, 20}, {'m', 1, 0, 13, 20}, {'u', 1, 0, 13, 20}}));
    EXPECT_EQ(row(20, 9, 14), (std::vector<Colour>{kWhite, kRed, kRed, kRed, kRed, kWhite}));
    EXPECT_EQ(form->IsDrawing, 0);

    // The border lies outside the drawing area; fractions floor to the pixel
    // that holds them, on both sides of 0.
    handed.clear();
    const QSize size = window->Picture1->size();
    send(QEvent::MouseMove, {0, 0}, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseMove, QPointF(size.width() - 1, size.height() - 1), Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseMove, {12.75, 22.5}, Qt::NoButton, Qt::NoButton);
    send(QEvent::MouseMove, {1.5, 0.25}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(handed, (std::vector<Handed>{{'m', 0, 0, -2, -2},
                                           {'m', 0, 0, CanvasImage::kWidth + 1, CanvasImage::kHeight + 1},
                                           {'m', 0, 0, 10, 20},
                                           {'m', 0, 0, -1, -2}}));
}

TEST_F(CanvasEventsTest, EveryButtonPaintsAlikeAndArrivesWithItsCodes)
{
    struct Case {
        Qt::MouseButton button;
        Qt::KeyboardModifiers modifiers;
        std::int16_t buttonCode, shiftCode;
    };
    const Case cases[] = {{Qt::LeftButton, Qt::NoModifier, 1, 0},
                          {Qt::RightButton, Qt::ShiftModifier, 2, 1},
                          {Qt::MiddleButton, Qt::ControlModifier, 4, 2},
                          {Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, 1, 7}};
    for (const Case& c : cases) {
        form->Picture1.clear(kWhite);
        handed.clear();
        QTest::mousePress(window->Picture1, c.button, c.modifiers, QPoint(22, 32));
        QTest::mouseMove(window->Picture1, QPoint(25, 32));
        QTest::mouseRelease(window->Picture1, c.button, c.modifiers, QPoint(25, 32));
        ASSERT_EQ(handed.size(), 3u) << c.buttonCode;
        EXPECT_EQ(handed[0], (Handed{'d', c.buttonCode, c.shiftCode, 20, 30}));
        EXPECT_EQ(handed[1].button, c.buttonCode);  // a move gives the buttons held
        EXPECT_EQ(handed[2], (Handed{'u', c.buttonCode, c.shiftCode, 23, 30}));
        EXPECT_EQ(row(30, 19, 24), (std::vector<Colour>{kWhite, kRed, kRed, kRed, kRed, kWhite})) << c.buttonCode;
        EXPECT_EQ(form->IsDrawing, 0);
    }
}

}  // namespace
