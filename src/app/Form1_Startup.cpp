#include "app/Form1.h"

#include <QWindow>

bool Form1::Form_Load()
{
    // Both tests before anything is shown, and one message however many fail.
    const QSize screen = m_platform.screenSize();
    const bool tooNarrow = static_cast<float>(screen.width()) < 800.0f;
    const bool tooLow = static_cast<float>(screen.height()) < 600.0f;
    if (tooNarrow || tooLow) {
        m_platform.messageBox(this, QStringLiteral("Screen Size Is To Small\r\nPlease Change Screen Size to 800 x 600"),
                              kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    placeWindow();
    Label3_Click(0);
    Label1_Click(6);
    Command3_Click(1);
    PencilSize = 0;
    return true;
}

void Form1::placeWindow()
{
    // The outer size includes the frame the window manager draws, which is
    // known only once the window is shown; until then the frame counts as 0.
    const QSize frame = frameGeometry().size() - geometry().size();
    m_frameUsed = frame;
    resize(800 - frame.width(), 600 - frame.height());
    move(0, 0);
}

void Form1::Command5_Click()
{
    m_platform.endProgram(0);
}
