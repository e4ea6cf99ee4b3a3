#include "web/WebAboutWindow.h"

#include "about/frmAbout.h"
#include "web/Page.h"

WebAboutWindow::~WebAboutWindow()
{
    if (m_shown) page_aboutClose();
}

void WebAboutWindow::showInFront()
{
    m_shown = true;
    page_aboutShow(frmAbout::kCaption.c_str(), frmAbout::kMakerName.c_str(), frmAbout::kMailAddress.c_str(),
                   frmAbout::kWebAddress.c_str());
}

void WebAboutWindow::close()
{
    m_shown = false;
    page_aboutClose();
    m_handlers.Form_Unload();
}

int WebAboutWindow::outerWidth() const
{
    return page_aboutWidth();
}

int WebAboutWindow::outerHeight() const
{
    return page_aboutHeight();
}

void WebAboutWindow::moveTo(int left, int top)
{
    page_aboutMove(left, top);
}
