#pragma once

#include "app/Window.h"

#include <array>
#include <functional>
#include <vector>

class Form1;

// The main window as page elements: every control of the layout made once
// through the page, each click turned into a call of Form1's handlers, and
// what the handlers change shown on the page.
class WebMainWindow : public MainWindow {
public:
    WebMainWindow();

    // Sends the controls' clicks to `form` and shows its canvas image.
    void attach(Form1& form);
    // A click on the control the page knows by `id`.
    void activate(int id);
    // Where the selection frame is now, to restore it after a reload.
    const PixelRect& selectionFrame() const { return m_selectionFrame; }

    void placeOuter(int, int, int, int) override {}  // the page scales the window to fit instead
    bool isVisible() const override { return true; }
    Colour backColour() const override { return kButtonFace; }
    void setToolButtonEnabled(int index, bool enabled) override;
    void setSaveButtonEnabled(bool enabled) override;
    void setCurrentColourBack(Colour colour) override;
    void setPencilSquareBack(int index, Colour colour) override;
    void placeSelectionFrame(const PixelRect& place) override;
    void focusCanvas() override;
    void showCanvasChange(const PixelRect& changed) override;
    void refreshCanvas() override;
    std::unique_ptr<AboutWindow> createAboutWindow(frmAbout& dialog) override;

    // The page's window background, as pintaro.css paints it.
    static constexpr Colour kButtonFace = 0x00EFEFEF;

private:
    int add(int kind, const char* name, const PixelRect& place, const char* caption = nullptr,
            const char* toolTip = nullptr, const char* accessibleName = nullptr, const char* icon = nullptr);
    void createControls();
    void show(const PixelRect& rect, bool now);

    Form1* m_form = nullptr;
    std::vector<std::function<void()>> m_clicks;  // by control id
    int m_canvas = 0;
    int m_label6 = 0;
    int m_command4 = 0;
    int m_shape1 = 0;
    std::array<int, 4> m_command3{};
    std::array<int, 3> m_label3{};
    PixelRect m_selectionFrame;
};
