#pragma once

#include "raster/CanvasImage.h"

#include <QFrame>
#include <QImage>

#include <cstdint>

// The canvas Picture1: a 2-pixel sunken border around the 685 by 557 drawing
// area. It shows the canvas image without copying it, repaints only what a
// painting operation reports it changed, and turns mouse events into canvas
// pixels.
class CanvasWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kBorder = 2;

    explicit CanvasWidget(QWidget* parent = nullptr);

    // The image to show from now on; it must outlive the widget's use of it.
    void showImage(const CanvasImage& image);

    // Schedules a repaint of this rectangle of canvas pixels.
    void showChanged(const PixelRect& rect);
    // Shows the whole canvas image on screen now.
    void Refresh();

    // VB mouse values: button 1 left, 2 right, 4 middle; shift 1 Shift,
    // 2 Ctrl, 4 Alt.
    static std::int16_t buttonCode(Qt::MouseButtons buttons);
    static std::int16_t shiftCode(Qt::KeyboardModifiers modifiers);

signals:
    // Positions in canvas pixels: the pixel that holds the pointer.
    void mousePressed(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseMoved(std::int16_t button, std::int16_t shift, float x, float y);
    void mouseReleased(std::int16_t button, std::int16_t shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF canvasPoint(const QPointF& widgetPos) const;

    QImage m_view;  // wraps the shown image's pixels, no copy
};
