#pragma once

#include "app/Platform.h"
#include "app/Window.h"

#include <memory>
#include <string>

// The About dialog's handlers: the logo, the maker and two links, modeless
// and without an owner. Its window is the front-end's.
class frmAbout {
public:
    explicit frmAbout(Platform& platform);
    ~frmAbout();
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    // Takes the window the front-end made for this dialog and runs the load
    // step, which centres it.
    void load(std::unique_ptr<AboutWindow> window);
    void Form_Load();
    // Centres the whole window, frame included, on the screen. A front-end
    // whose window manager reports the frame only after the window is shown
    // calls this again then.
    void centreOnScreen();
    // Modeless, in front and active.
    void showInFront();

    // OK, Enter and Escape: unloads the dialog.
    void cmdOK_Click();
    // The front-end calls this however the window was closed.
    void Form_Unload();
    void Label1_Click();  // web link
    void Label4_Click();  // mail link

    // True from the unload on; the dialog is then only waiting to be deleted.
    bool isUnloaded() const { return m_unloaded; }
    AboutWindow* window() const { return m_window.get(); }

    static const std::string kCaption;
    static const std::string kMakerName;
    static const std::string kMailAddress;
    static const std::string kWebAddress;
    static const std::string kWebLink;
    static const std::string kMailLink;

private:
    Platform& m_platform;
    std::unique_ptr<AboutWindow> m_window;
    bool m_unloaded = false;
};
