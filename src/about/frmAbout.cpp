#include "about/frmAbout.h"

#include "bitmap/Module1.h"
#include "raster/Rounding.h"

const std::string frmAbout::kCaption = "About The Tovella Rurira Pintaro v1.0";
const std::string frmAbout::kMakerName = "The Pintaro Team";
const std::string frmAbout::kMailAddress = "pintaro@example.org";
const std::string frmAbout::kWebAddress = "www.example.org";
// The subject keeps its plain space; the URL handler encodes it if it must.
const std::string frmAbout::kWebLink = "http://" + kWebAddress + "/";
const std::string frmAbout::kMailLink = "mailto:" + kMailAddress + "?subject=Pintaro v1.0";

frmAbout::frmAbout(Platform& platform) : m_platform(platform) {}

frmAbout::~frmAbout() = default;

void frmAbout::load(std::unique_ptr<AboutWindow> window)
{
    m_window = std::move(window);
    Form_Load();
}

void frmAbout::Form_Load()
{
    centreOnScreen();
}

void frmAbout::centreOnScreen()
{
    if (!m_window) return;
    const ScreenSize screen = m_platform.screenSize();
    const float left = static_cast<float>(screen.width - m_window->outerWidth()) / 2.0f;
    const float top = static_cast<float>(screen.height - m_window->outerHeight()) / 2.0f;
    m_window->moveTo(roundToPixel(left), roundToPixel(top));
}

void frmAbout::showInFront()
{
    if (m_window && !m_unloaded) m_window->showInFront();
}

void frmAbout::cmdOK_Click()
{
    if (m_window && !m_unloaded) m_window->close();
}

void frmAbout::Form_Unload()
{
    m_unloaded = true;
    Module1::AboutRequested = 0;
}

void frmAbout::Label1_Click()
{
    m_platform.openUrl(kWebLink);
}

void frmAbout::Label4_Click()
{
    m_platform.openUrl(kMailLink);
}
