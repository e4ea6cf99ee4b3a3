#include "app/Form1.h"

#include "about/frmAbout.h"
#include "bitmap/Module1.h"

void Form1::Command6_Click()
{
    Module1::AboutRequested = 1;
    // A dialog that has unloaded is gone; the next one is loaded afresh.
    if (m_about && m_about->isUnloaded()) m_about.reset();
    if (!m_about) {
        m_about = std::make_unique<frmAbout>(m_platform);
        m_about->load(m_window.createAboutWindow(*m_about));
    }
    m_about->showInFront();
}

void Form1::Form_Activate()
{
    if (Module1::AboutRequested == 1 && m_about) m_about->showInFront();
}
