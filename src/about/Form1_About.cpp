#include "app/Form1.h"

#include "about/frmAbout.h"
#include "bitmap/Module1.h"

namespace {

QMargins frameOf(const QWidget& window)
{
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

}  // namespace

void Form1::Command6_Click()
{
    Module1::AboutRequested = 1;
    // A dialog that has unloaded is gone, even while its deletion is pending.
    if (m_about && m_about->isUnloaded()) delete m_about.data();
    if (!m_about) {
        m_about = new frmAbout(m_platform);
        // The dialog is framed only once shown; the main window's frame, from
        // the same window manager, is the best guess for centring it before.
        m_about->Form_Load(frameOf(*this));
    }
    m_about->showInFront();
}

void Form1::Form_Activate()
{
    if (Module1::AboutRequested == 1 && m_about && !m_about->isUnloaded()) m_about->showInFront();
}
