#pragma once

#include <QWidget>

// A rectangle outline with a transparent inside that takes no clicks: the
// group frames and the selection frame Shape1.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    FrameShape(int borderWidth, QWidget* parent = nullptr);

    int borderWidth() const { return m_borderWidth; }

    // Each setting on its own, as the selection handlers place the frame.
    void setLeft(int v) { move(v, y()); }
    void setTop(int v) { move(x(), v); }
    void setWidth(int v) { resize(v, height()); }
    void setHeight(int v) { resize(width(), v); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_borderWidth;
};
