#pragma once

#include <QLabel>

// A label that reads as a link: underlined, in the link colour, with the
// up-arrow pointer, on a transparent background. A left click (press and
// release over it) emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
