#pragma once

// The main window and the program's dialogs on one screen, reached as a
// child reaches them: the layout's controls at their screen points, the
// canvas read off screenshots, file names typed into the file dialogs and
// message boxes answered with a key. One harness for every front-end; each
// says where its windows put the client area and the canvas, and at what
// scale it draws the layout and the canvas.

#include "CanvasModel.h"
#include "XSession.h"

#include "app/DisplayScale.h"
#include "raster/PixelRect.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

#include <string>

namespace e2e {

// Title patterns (extended regular expressions) of the program's windows.
inline const QString kMainTitle = QStringLiteral("^The Tovella Vadovov Rurira Pintaro v1\\.0$");
inline const QString kOpenTitle = QStringLiteral("^Open Image \\[BMP\\] File$");
inline const QString kSaveTitle = QStringLiteral("^Save Your Art Work$");
inline const QString kConfirmTitle = QStringLiteral("^Pintaro v1\\.0$");
inline const QString kErrorTitle = QStringLiteral("^Pintaro v1\\.0 \\[Error\\]$");
inline const QString kPrintTitle = QStringLiteral("^Print$");

class ProgramScreen {
public:
    // `focusDialogs`: the dialogs must be given the keyboard (with no window
    // manager, a toolkit may not take it itself).
    ProgramScreen(const XDriver& x, QPoint clientOrigin, QPoint canvasOrigin, bool focusDialogs,
                  DisplayScale scale = DisplayScale())
        : m_x(x), m_client(clientOrigin), m_canvas(canvasOrigin), m_focusDialogs(focusDialogs), m_scale(scale)
    {
    }

    // Screen points: within the canvas pixel, and the middle of each control.
    QPoint canvasPoint(int x, int y) const;
    QPoint canvasOrigin() const { return m_canvas; }
    QPoint swatch(int index) const;
    QPoint toolButton(int index) const;
    QRect toolButtonRect(int index) const;
    QPoint pencilSquare(int index) const;
    QPoint openButton() const;
    QRect openButtonRect() const;
    QPoint saveButton() const;
    QPoint exitButton() const;
    QPoint client(QPoint layoutPoint) const;
    QPoint middleOf(const PixelRect& layoutPlace) const;
    // A control's place on the screen.
    QRect onScreen(const PixelRect& layoutPlace) const;

    // The canvas on screen settles on `expected`, enlarged by the scale;
    // otherwise the last differences.
    std::string waitForCanvas(const Pixels& expected) const;
    // Waits for the dialog, types the name and accepts it.
    bool chooseFile(const QString& titlePattern, const QString& name) const;
    // The picture the program made of writeColouringPage()'s page, at
    // `madePath`, is on the canvas as opening puts it, in pure black and
    // white, and a red fill inside the circle colours it all; otherwise what differs.
    std::string showsColouringPage(const QString& madePath) const;
    // Waits for a message box and answers it with one key.
    bool answerBox(const QString& titlePattern, const QString& keyName) const;

private:
    bool takeKeys(const QString& window) const { return !m_focusDialogs || m_x.focus(window); }

    const XDriver& m_x;
    QPoint m_client;
    QPoint m_canvas;
    bool m_focusDialogs;
    DisplayScale m_scale;
};

int darkPixels(const QImage& image, const QRect& area);
QByteArray readFile(const QString& path);
// biBitCount of a BMP file's bytes; 0 when too short.
int bitCountOf(const QByteArray& file);

}  // namespace e2e
