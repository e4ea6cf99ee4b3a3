#include "app/Form1.h"

#include "about/frmAbout.h"

Form1::Form1(MainWindow& window, Platform& platform)
    : Picture1(window.backColour()), CommonDialog1(platform), m_window(window), m_platform(platform)
{
}

Form1::~Form1() = default;

void Form1::showError(const std::string& text)
{
    m_platform.messageBox(text, kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
}

frmAbout* Form1::aboutDialog() const
{
    // An unloaded dialog only waits to be replaced by the next one.
    return m_about && !m_about->isUnloaded() ? m_about.get() : nullptr;
}
