#include "qt/LinkLabel.h"

#include "qt/DialogFont.h"
#include "raster/Colour.h"

#include <QMouseEvent>

namespace {

constexpr Colour kLinkColour = 0x00C00000;

}  // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    QFont font = dialogFont();
    font.setUnderline(true);
    setFont(font);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, QColor(redOf(kLinkColour), greenOf(kLinkColour), blueOf(kLinkColour)));
    setPalette(p);
    setAutoFillBackground(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::UpArrowCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Sliding off before letting go cancels the click, as with a button.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click) emit clicked();
}
