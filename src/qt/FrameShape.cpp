#include "qt/FrameShape.h"

#include <QPainter>

FrameShape::FrameShape(int borderWidth, QWidget* parent) : QWidget(parent), m_borderWidth(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0) return;
    QPainter p(this);
    const QColor ink = palette().color(QPalette::WindowText);
    // The outline lies inside the shape's rectangle, one ring per pixel of width.
    for (int i = 0; i < m_borderWidth; ++i) {
        const QRect ring = rect().adjusted(i, i, -i - 1, -i - 1);
        if (ring.width() < 0 || ring.height() < 0) break;
        p.setPen(ink);
        p.drawRect(ring);
    }
}
