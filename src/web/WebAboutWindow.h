#pragma once

#include "app/Window.h"

// The About dialog's window: a window drawn in the page above the main
// window, modeless, with the logo, the maker and the two links. The page
// makes it once and shows or hides it.
class WebAboutWindow : public AboutWindow {
public:
    explicit WebAboutWindow(frmAbout& handlers) : m_handlers(handlers) {}
    ~WebAboutWindow() override;

    void showInFront() override;
    void close() override;
    int outerWidth() const override;
    int outerHeight() const override;
    void moveTo(int left, int top) override;

private:
    frmAbout& m_handlers;
    bool m_shown = false;
};
