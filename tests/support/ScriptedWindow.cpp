#include "support/ScriptedWindow.h"

#include "about/frmAbout.h"

namespace {

class ScriptedAboutWindow : public AboutWindow {
public:
    ScriptedAboutWindow(ScriptedWindow::AboutRecord& record, frmAbout& dialog, int width, int height)
        : m_record(record), m_dialog(dialog), m_width(width), m_height(height)
    {
    }
    ~ScriptedAboutWindow() override { m_record.destroyed = true; }

    void showInFront() override { ++m_record.shows; }
    // As every platform does: a window that closes unloads its dialog.
    void close() override
    {
        ++m_record.closes;
        m_dialog.Form_Unload();
    }
    int outerWidth() const override { return m_width; }
    int outerHeight() const override { return m_height; }
    void moveTo(int left, int top) override { m_record.moves.emplace_back(left, top); }

private:
    ScriptedWindow::AboutRecord& m_record;
    frmAbout& m_dialog;
    int m_width;
    int m_height;
};

}  // namespace

void ScriptedWindow::showCanvasChange(const PixelRect& changed)
{
    if (!changed.isEmpty()) canvasChanges.push_back(changed);
}

std::unique_ptr<AboutWindow> ScriptedWindow::createAboutWindow(frmAbout& dialog)
{
    abouts.emplace_back();
    return std::make_unique<ScriptedAboutWindow>(abouts.back(), dialog, aboutOuterWidth, aboutOuterHeight);
}
