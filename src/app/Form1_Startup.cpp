#include "app/Form1.h"

#include "app/Layout.h"

bool Form1::Form_Load()
{
    // Both tests before anything is shown, and one message however many fail.
    const ScreenSize screen = m_platform.screenSize();
    const bool tooNarrow = static_cast<float>(screen.width) < 800.0f;
    const bool tooLow = static_cast<float>(screen.height) < 600.0f;
    if (tooNarrow || tooLow) {
        showError("Screen Size Is To Small" + kLineBreak + "Please Change Screen Size to 800 x 600");
        return false;
    }
    m_window.placeOuter(0, 0, layout::kOuterWidth, layout::kOuterHeight);
    Label3_Click(0);
    Label1_Click(6);
    Command3_Click(1);
    PencilSize = 0;
    return true;
}

void Form1::Command5_Click()
{
    m_platform.endProgram(0);
}
