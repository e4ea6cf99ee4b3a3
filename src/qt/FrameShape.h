#pragma once

#include <QWidget>

// A rectangle outline with a transparent inside that takes no clicks: the
// group frames and the selection frame Shape1.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    FrameShape(int borderWidth, QWidget* parent = nullptr);

    int borderWidth() const { return m_borderWidth; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_borderWidth;
};
