#pragma once

#include <QPushButton>

// A push button that shows one 32 by 32 icon centred and no text; the icon
// is greyed while the button is disabled. Its tooltip is its name for a
// screen reader.
class PictureButton : public QPushButton {
    Q_OBJECT
public:
    PictureButton(const QIcon& icon, QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
