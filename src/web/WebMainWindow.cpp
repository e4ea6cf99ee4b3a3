#include "web/WebMainWindow.h"

#include "app/Form1.h"
#include "app/Layout.h"
#include "web/Page.h"
#include "web/WebAboutWindow.h"

#include <string>

WebMainWindow::WebMainWindow()
{
    createControls();
}

int WebMainWindow::add(int kind, const char* name, const PixelRect& place, const char* caption, const char* toolTip,
                       const char* accessibleName, const char* icon)
{
    const int id = static_cast<int>(m_clicks.size());
    m_clicks.emplace_back();
    page_addControl(kind, id, name, place.left, place.top, place.width, place.height, caption ? caption : "",
                    toolTip ? toolTip : "", accessibleName ? accessibleName : "", icon ? icon : "");
    return id;
}

void WebMainWindow::createControls()
{
    using namespace layout;
    // The controls that take the focus first, in the order Tab visits them.
    m_canvas = add(kPageCanvas, kPicture1.name, kPicture1.place);
    const auto button = [this](int kind, const Control& c, const char* icon = nullptr) {
        return add(kind, c.name, c.place, c.caption, c.toolTip, c.caption ? c.caption : c.toolTip, icon);
    };
    const int command1 = button(kPagePushButton, kCommand1);
    const int command2 = button(kPagePictureButton, kCommand2, "folder");
    static const char* const toolIcons[4] = {"pencil", "bucket", "eraser", "eyedropper"};
    for (std::size_t i = 0; i < m_command3.size(); ++i)
        m_command3[i] = button(kPagePictureButton, kCommand3[i], toolIcons[i]);
    m_command4 = button(kPagePictureButton, kCommand4, "floppy");
    const int command5 = button(kPagePushButton, kCommand5);
    const int command6 = button(kPagePushButton, kCommand6);

    for (const Control& caption : kCaptions) add(kPageCaption, caption.name, caption.place, caption.caption);
    std::array<int, 9> swatches{};
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        const std::string name = "Label1_" + std::to_string(i);
        swatches[i] = add(kPageSwatch, name.c_str(), swatchPlace(static_cast<int>(i)), nullptr, nullptr, kSwatchNames[i]);
        page_setBack(swatches[i], kPalette[i]);
    }
    m_label6 = add(kPageColourLabel, kLabel6.name, kLabel6.place, nullptr, nullptr, "Current Color");
    page_setBack(m_label6, kButtonFace);
    for (std::size_t i = 0; i < m_label3.size(); ++i) {
        const std::string name = "Label3_" + std::to_string(i);
        m_label3[i] = add(kPageSwatch, name.c_str(), kLabel3[i], nullptr, nullptr, kPencilSizeNames[i]);
        page_setBack(m_label3[i], kButtonFace);
    }
    // Frames last, so their outlines lie over the controls they group.
    for (const Control& frame : kGroupFrames) add(kPageFrame, frame.name, frame.place);
    m_shape1 = add(kPageSelectionFrame, "Shape1", kShape1);
    m_selectionFrame = kShape1;
    page_setEnabled(m_command4, 0);

    m_clicks[command1] = [this] { m_form->Command1_Click(); };
    m_clicks[command2] = [this] { m_form->Command2_Click(); };
    m_clicks[m_command4] = [this] { m_form->Command4_Click(); };
    m_clicks[command5] = [this] { m_form->Command5_Click(); };
    m_clicks[command6] = [this] { m_form->Command6_Click(); };
    for (std::int16_t i = 0; i < 4; ++i) m_clicks[m_command3[i]] = [this, i] { m_form->Command3_Click(i); };
    for (std::int16_t i = 0; i < 9; ++i) m_clicks[swatches[i]] = [this, i] { m_form->Label1_Click(i); };
    for (std::int16_t i = 0; i < 3; ++i) m_clicks[m_label3[i]] = [this, i] { m_form->Label3_Click(i); };
}

void WebMainWindow::attach(Form1& form)
{
    m_form = &form;
    refreshCanvas();
}

void WebMainWindow::activate(int id)
{
    if (m_form && id >= 0 && id < static_cast<int>(m_clicks.size()) && m_clicks[id]) m_clicks[id]();
}

void WebMainWindow::setToolButtonEnabled(int index, bool enabled)
{
    page_setEnabled(m_command3.at(static_cast<std::size_t>(index)), enabled);
}

void WebMainWindow::setSaveButtonEnabled(bool enabled)
{
    page_setEnabled(m_command4, enabled);
}

void WebMainWindow::setCurrentColourBack(Colour colour)
{
    page_setBack(m_label6, colour);
}

void WebMainWindow::setPencilSquareBack(int index, Colour colour)
{
    page_setBack(m_label3.at(static_cast<std::size_t>(index)), colour);
}

void WebMainWindow::placeSelectionFrame(const PixelRect& place)
{
    m_selectionFrame = place;
    page_place(m_shape1, place.left, place.top, place.width, place.height);
}

void WebMainWindow::focusCanvas()
{
    page_focus(m_canvas);
}

void WebMainWindow::showCanvasChange(const PixelRect& changed)
{
    if (!changed.isEmpty()) show(changed, false);
}

void WebMainWindow::refreshCanvas()
{
    show({0, 0, CanvasImage::kWidth, CanvasImage::kHeight}, true);
}

void WebMainWindow::show(const PixelRect& rect, bool now)
{
    if (m_form) page_showCanvas(m_form->Picture1.words(), rect.left, rect.top, rect.width, rect.height, now);
}

std::unique_ptr<AboutWindow> WebMainWindow::createAboutWindow(frmAbout& dialog)
{
    return std::make_unique<WebAboutWindow>(dialog);
}
