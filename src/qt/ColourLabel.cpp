#include "qt/ColourLabel.h"

#include <QMouseEvent>
#include <QPainter>

ColourLabel::ColourLabel(QWidget* parent) : QLabel(parent)
{
    const QColor face = palette().color(QPalette::Window);
    m_backColour = rgbColour(face.red(), face.green(), face.blue());
}

void ColourLabel::setBackColour(Colour colour)
{
    m_backColour = colour & 0x00FFFFFF;
    update();
}

void ColourLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), QColor(redOf(m_backColour), greenOf(m_backColour), blueOf(m_backColour)));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ColourLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void ColourLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and release of the left button over the control.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) emit clicked();
}

CaptionLabel::CaptionLabel(const QString& text, bool oneLine, QWidget* parent) : QLabel(text, parent)
{
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setWordWrap(!oneLine);
}
