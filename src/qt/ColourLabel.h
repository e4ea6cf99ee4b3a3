#pragma once

#include "raster/Colour.h"

#include <QLabel>

// A label whose background is a 0x00BBGGRR colour the program sets and reads
// (the palette swatches, the current-colour swatch, the pencil-size squares),
// with a single-line border. A left click emits clicked().
class ColourLabel : public QLabel {
    Q_OBJECT
public:
    explicit ColourLabel(QWidget* parent = nullptr);

    Colour backColour() const { return m_backColour; }
    void setBackColour(Colour colour);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Colour m_backColour = 0;
    bool m_pressed = false;
};

// A caption label: centred text, on one line or word-wrapped; clicks do
// nothing.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& text, bool oneLine, QWidget* parent = nullptr);
};
