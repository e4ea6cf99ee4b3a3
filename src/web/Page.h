#pragma once

#include <cstdint>

// The page around the program: what the front-end asks of it, implemented in
// JavaScript (library.js hands each call to the page's own modules). Texts
// are UTF-8; colours 0x00BBGGRR. The calls marked "waits" return only once
// the person has answered: the program stands still meanwhile, as under a
// modal dialog.
extern "C" {

// The main window's controls, made once each, in the order the Tab key
// visits them; `id` comes back with each click.
enum PageControlKind {
    kPageCanvas,
    kPageCaption,
    kPageSwatch,        // a colour label that takes clicks
    kPageColourLabel,   // one that does not (the current colour)
    kPagePushButton,
    kPagePictureButton,
    kPageFrame,
    kPageSelectionFrame,
};
void page_addControl(int kind, int id, const char* name, int left, int top, int width, int height,
                     const char* caption, const char* toolTip, const char* accessibleName, const char* icon);
void page_setEnabled(int id, int enabled);
void page_setBack(int id, std::uint32_t colour);
void page_place(int id, int left, int top, int width, int height);
void page_focus(int id);
// Shows this rectangle of the canvas image, whose 0xFFRRGGBB words start at `pixels`.
void page_showCanvas(const std::uint32_t* pixels, int left, int top, int width, int height, int now);

// Waits. Open (1) or Save As (2): the chosen path into `out`, 1 on OK, 0 on Cancel.
int page_fileDialog(int action, const char* title, const char* initDir, char* out, int outSize);
// Waits. The chosen colour, or -1 on Cancel.
int page_colourDialog(std::uint32_t preset);
// Waits. icon: 0 none, 1 critical, 2 information; buttons: 0 OK, 1 Yes and No.
// Returns 0 OK, 1 Yes, 2 No.
int page_messageBox(const char* text, const char* title, int icon, int buttons);
void page_openUrl(const char* url);
// Waits for ever: the page shows that the program has ended.
void page_endProgram(int status);

// Waits. The browser's print dialog with the canvas as shown, alone on the
// page; 0 once it has closed.
int page_print();

// Waits. An image file in the page's file system, decoded by the browser:
// its size (`decode` 0), or its pixels at width by height into `pixels`
// (0xAARRGGBB words), reduced while decoding. Returns an ImageProblem.
int page_decodeImage(const char* path, int decode, int* width, int* height, std::uint32_t* pixels);

// The About dialog's window, with its texts, in front.
void page_aboutShow(const char* caption, const char* maker, const char* mail, const char* web);
void page_aboutClose();
void page_aboutMove(int left, int top);
int page_aboutWidth();
int page_aboutHeight();
}
