#pragma once

#include "app/Layout.h"
#include "app/Window.h"

#include <array>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

// The windows as the tests see them: each setting the handlers change is
// kept as the handlers left it, and what they asked to show is recorded.
class ScriptedWindow : public MainWindow {
public:
    static constexpr Colour kButtonFace = 0x00F0F0F0;

    // The life of one About window.
    struct AboutRecord {
        int shows = 0;
        int closes = 0;
        bool destroyed = false;
        std::vector<std::pair<int, int>> moves;  // outer top-left corners asked for
    };

    void placeOuter(int left, int top, int width, int height) override { outer = PixelRect{left, top, width, height}; }
    bool isVisible() const override { return visible; }
    Colour backColour() const override { return kButtonFace; }
    void setToolButtonEnabled(int index, bool enabled) override { toolEnabled.at(static_cast<std::size_t>(index)) = enabled; }
    void setSaveButtonEnabled(bool enabled) override { saveEnabled = enabled; }
    void setCurrentColourBack(Colour colour) override { currentColourBack = colour; }
    void setPencilSquareBack(int index, Colour colour) override
    {
        pencilSquareBack.at(static_cast<std::size_t>(index)) = colour;
    }
    void placeSelectionFrame(const PixelRect& place) override { selectionFrame = place; }
    void focusCanvas() override { ++canvasFocused; }
    void showCanvasChange(const PixelRect& changed) override;
    void refreshCanvas() override { ++refreshes; }
    std::unique_ptr<AboutWindow> createAboutWindow(frmAbout& dialog) override;

    std::optional<PixelRect> outer;
    bool visible = false;
    std::array<bool, 4> toolEnabled{true, true, true, true};
    bool saveEnabled = false;
    Colour currentColourBack = kButtonFace;
    std::array<Colour, 3> pencilSquareBack{kButtonFace, kButtonFace, kButtonFace};
    PixelRect selectionFrame = layout::kShape1;
    int canvasFocused = 0;
    std::vector<PixelRect> canvasChanges;  // each non-empty rectangle shown anew
    int refreshes = 0;

    // Every About window made, in order; the outer size the next ones report.
    std::deque<AboutRecord> abouts;
    int aboutOuterWidth = 324;
    int aboutOuterHeight = 275;
};
