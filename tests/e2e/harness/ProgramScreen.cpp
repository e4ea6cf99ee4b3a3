#include "ProgramScreen.h"

#include "app/Layout.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace e2e {

QPoint ProgramScreen::canvasPoint(int x, int y) const
{
    const PixelRect cell = m_scale.canvasToDevice(PixelRect::point(x, y));
    return m_canvas + QPoint(cell.left + cell.width / 2, cell.top + cell.height / 2);
}

QPoint ProgramScreen::client(QPoint layoutPoint) const
{
    return m_client + QPoint(m_scale.toDevice(layoutPoint.x()), m_scale.toDevice(layoutPoint.y()));
}

QRect ProgramScreen::onScreen(const PixelRect& layoutPlace) const
{
    const PixelRect device = m_scale.toDevice(layoutPlace);
    return QRect(device.left, device.top, device.width, device.height).translated(m_client);
}

QPoint ProgramScreen::middleOf(const PixelRect& layoutPlace) const
{
    const QRect place = onScreen(layoutPlace);
    return place.topLeft() + QPoint(place.width() / 2, place.height() / 2);
}

QPoint ProgramScreen::swatch(int index) const { return middleOf(layout::swatchPlace(index)); }

QPoint ProgramScreen::toolButton(int index) const
{
    return middleOf(layout::kCommand3.at(static_cast<std::size_t>(index)).place);
}

QRect ProgramScreen::toolButtonRect(int index) const
{
    return onScreen(layout::kCommand3.at(static_cast<std::size_t>(index)).place);
}

QPoint ProgramScreen::pencilSquare(int index) const
{
    return middleOf(layout::kLabel3.at(static_cast<std::size_t>(index)));
}

QPoint ProgramScreen::openButton() const { return middleOf(layout::kCommand2.place); }
QRect ProgramScreen::openButtonRect() const { return onScreen(layout::kCommand2.place); }
QPoint ProgramScreen::saveButton() const { return middleOf(layout::kCommand4.place); }
QPoint ProgramScreen::exitButton() const { return middleOf(layout::kCommand5.place); }

std::string ProgramScreen::waitForCanvas(const Pixels& expected) const
{
    const Pixels shown = enlarged(expected, m_scale);
    std::string last;
    const QDeadlineTimer deadline(10000);
    do {
        last = differences(shown, m_x.screenshot(), m_canvas);
        if (last.empty()) return last;
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return last;
}

std::string ProgramScreen::showsColouringPage(const QString& madePath) const
{
    const QDeadlineTimer made(20000);
    while (!QFileInfo::exists(madePath) && !made.hasExpired()) QThread::msleep(100);
    const QByteArray file = readFile(madePath);
    if (bitCountOf(file) != 1) return "no 1-bit picture was made at " + madePath.toStdString();
    Pixels expected = openedOnCanvas(Pixels::fromImage(QImage::fromData(file, "BMP")));
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x)
            if (expected.at(x, y) != kBlack && expected.at(x, y) != kWhite) return "grey in the picture made";
    if (std::string shown = waitForCanvas(expected); !shown.empty()) return "the page as opened: " + shown;
    m_x.click(swatch(5));
    m_x.click(canvasPoint(342, 280));
    expected.floodFill(342, 280, kRed);
    if (expected.at(5, 5) != kWhite) return "a fill inside the circle would leak out of it";
    if (std::string filled = waitForCanvas(expected); !filled.empty()) return "the fill inside the circle: " + filled;
    return {};
}

bool ProgramScreen::chooseFile(const QString& titlePattern, const QString& name) const
{
    const QString dialog = m_x.waitForWindow(titlePattern);
    if (dialog.isEmpty() || !takeKeys(dialog)) return false;
    return m_x.type(name) && m_x.key(QStringLiteral("Return")) && m_x.waitUntilGone(titlePattern);
}

bool ProgramScreen::answerBox(const QString& titlePattern, const QString& keyName) const
{
    const QString box = m_x.waitForWindow(titlePattern);
    if (box.isEmpty() || !takeKeys(box)) return false;
    return m_x.key(keyName) && m_x.waitUntilGone(titlePattern);
}

int darkPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) count += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    return count;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int bitCountOf(const QByteArray& file)
{
    if (file.size() < 30) return 0;
    return static_cast<unsigned char>(file[28]) | static_cast<unsigned char>(file[29]) << 8;
}

}  // namespace e2e
