#include "qt/PictureButton.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

PictureButton::PictureButton(const QIcon& icon, QWidget* parent) : QPushButton(parent)
{
    setIcon(icon);
    setIconSize(QSize(32, 32));
}

bool PictureButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTipChange) setAccessibleName(toolTip());
    return QPushButton::event(event);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.icon = QIcon();
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    // Centred in the whole button: the icon's margins are transparent, so the
    // 25-pixel height cuts off nothing that is drawn.
    const QPixmap pixmap = icon().pixmap(iconSize(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QSize logical = pixmap.deviceIndependentSize().toSize();
    const int shift = isDown() ? 1 : 0;
    p.drawPixmap((width() - logical.width()) / 2 + shift, (height() - logical.height()) / 2 + shift, pixmap);
}
