#include "qt/CanvasWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

CanvasWidget::CanvasWidget(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);  // the classic 2-pixel sunken edge
    setLineWidth(kBorder);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // moves arrive without a button too, as the handlers expect
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CanvasWidget::showImage(const CanvasImage& image)
{
    // The image keeps its pixels as RGB32, so any part of it, one pixel
    // included, is drawn as it is onto any target.
    m_view = QImage(reinterpret_cast<const uchar*>(image.words()), CanvasImage::kWidth, CanvasImage::kHeight,
                    static_cast<qsizetype>(CanvasImage::kStride * sizeof(CanvasImage::StoredPixel)),
                    QImage::Format_RGB32);
    update();
}

void CanvasWidget::showChanged(const PixelRect& rect)
{
    if (rect.isEmpty()) return;
    update(rect.left + kBorder, rect.top + kBorder, rect.width, rect.height);
}

void CanvasWidget::Refresh()
{
    repaint(kBorder, kBorder, CanvasImage::kWidth, CanvasImage::kHeight);
}

void CanvasWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area(kBorder, kBorder, CanvasImage::kWidth, CanvasImage::kHeight);
    const QRect dirty = event->rect() & area;
    if (!dirty.isEmpty()) {
        if (m_view.isNull())
            painter.fillRect(dirty, palette().color(QPalette::Window));
        else
            painter.drawImage(dirty.topLeft(), m_view, dirty.translated(-kBorder, -kBorder));
    }
    if (!area.contains(event->rect())) {
        painter.end();
        QFrame::paintEvent(event);  // the border
    }
}

QPointF CanvasWidget::canvasPoint(const QPointF& widgetPos) const
{
    // The pixel that holds the point, so a fractional position on a scaled
    // screen lands on the same pixel the child sees under the pointer.
    return {std::floor(widgetPos.x() - kBorder), std::floor(widgetPos.y() - kBorder)};
}

std::int16_t CanvasWidget::buttonCode(Qt::MouseButtons buttons)
{
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton) code |= 1;
    if (buttons & Qt::RightButton) code |= 2;
    if (buttons & Qt::MiddleButton) code |= 4;
    return code;
}

std::int16_t CanvasWidget::shiftCode(Qt::KeyboardModifiers modifiers)
{
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier) code |= 1;
    if (modifiers & Qt::ControlModifier) code |= 2;
    if (modifiers & Qt::AltModifier) code |= 4;
    return code;
}

void CanvasWidget::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = canvasPoint(event->position());
    emit mousePressed(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = canvasPoint(event->position());
    emit mouseMoved(buttonCode(event->buttons()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = canvasPoint(event->position());
    emit mouseReleased(buttonCode(event->button()), shiftCode(event->modifiers()), float(p.x()), float(p.y()));
}
