#include "app/Form1.h"
#include "qt/QtMainWindow.h"
#include "support/ScriptedPlatform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    long paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// A shown window with a white picture open, the pencil at its largest.
struct PaintingForm {
    explicit PaintingForm(ScriptedPlatform& platform) : form(window, platform)
    {
        window.attach(form);
        form.Form_Load();
        window.show();
        QCoreApplication::processEvents();
        form.PictureLoaded = 1;
        form.Picture1.clear(kWhite);
        window.refreshCanvas();
        form.Command3_Click(0);
        form.Label3_Click(2);
        QCoreApplication::processEvents();
    }
    Form1* operator->() { return &form; }

    QtMainWindow window;
    Form1 form;
};

void BM_StrokeDiagonalSize2(benchmark::State& state)
{
    ScriptedPlatform platform;
    PaintingForm form(platform);
    bool red = false;
    for (auto _ : state) {
        // Each stroke in the other colour, so every stamp really paints.
        red = !red;
        form->Picture1.setFillColour(red ? kRed : kBlue);
        form->Picture1_MouseDown(1, 0, 0.0f, 0.0f);
        form->Picture1_MouseMove(1, 0, 684.0f, 556.0f);
        form->Picture1_MouseUp(1, 0, 684.0f, 556.0f);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(form->Picture1.pixel(342, 278));
}
BENCHMARK(BM_StrokeDiagonalSize2)->Unit(benchmark::kMicrosecond);

void BM_DragStepRepaint(benchmark::State& state)
{
    ScriptedPlatform platform;
    PaintingForm form(platform);
    PaintCounter counter(form.window.Picture1);
    form->Picture1_MouseDown(1, 0, 300.0f, 300.0f);
    form->Picture1_MouseMove(1, 0, 301.0f, 300.0f);
    QCoreApplication::processEvents();
    if (counter.paints == 0) {
        state.SkipWithError("a drag step did not repaint the canvas");
        return;
    }
    counter.paints = 0;
    bool red = false;
    float x = 301.0f;
    for (auto _ : state) {
        red = !red;
        form->Picture1.setFillColour(red ? kRed : kBlue);
        x = x == 301.0f ? 300.0f : 301.0f;
        form->Picture1_MouseMove(1, 0, x, 300.0f);
        QCoreApplication::processEvents();
    }
    form->Picture1_MouseUp(1, 0, x, 300.0f);
    state.counters["paints_per_step"] =
        benchmark::Counter(static_cast<double>(counter.paints) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DragStepRepaint)->Unit(benchmark::kMicrosecond);

// The whole drawing area through the canvas widget's own paint path, onto an
// offscreen RGB32 target; against the floor, a plain RGB32 image drawn there.
void BM_RepaintFullCanvas(benchmark::State& state)
{
    ScriptedPlatform platform;
    PaintingForm form(platform);
    CanvasWidget& canvas = *form.window.Picture1;
    QImage target(canvas.size(), QImage::Format_RGB32);
    const QRegion area(CanvasWidget::kBorder, CanvasWidget::kBorder, CanvasImage::kWidth, CanvasImage::kHeight);
    for (auto _ : state) {
        canvas.render(&target, area.boundingRect().topLeft(), area, QWidget::RenderFlags());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RepaintFullCanvas)->Unit(benchmark::kMicrosecond);

void BM_FloorBlitCanvas(benchmark::State& state)
{
    QImage source(CanvasImage::kWidth, CanvasImage::kHeight, QImage::Format_RGB32);
    source.fill(Qt::white);
    QImage target(CanvasImage::kWidth + 2 * CanvasWidget::kBorder, CanvasImage::kHeight + 2 * CanvasWidget::kBorder,
                  QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.drawImage(QPoint(CanvasWidget::kBorder, CanvasWidget::kBorder), source);
        painter.end();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FloorBlitCanvas)->Unit(benchmark::kMicrosecond);

}  // namespace
