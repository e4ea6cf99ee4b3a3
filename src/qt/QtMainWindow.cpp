#include "qt/QtMainWindow.h"

#include "app/Form1.h"
#include "app/Layout.h"
#include "qt/AboutDialog.h"
#include "qt/DialogFont.h"
#include "qt/QtPlatform.h"
#include "qt/ResourceArt.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QShortcut>
#include <QTimer>
#include <QWindow>

namespace {

template <typename W>
W* placed(W* widget, const layout::Control& control)
{
    const PixelRect& p = control.place;
    widget->setGeometry(p.left, p.top, p.width, p.height);
    widget->setObjectName(QString::fromLatin1(control.name));
    if (control.toolTip) widget->setToolTip(QString::fromLatin1(control.toolTip));
    return widget;
}

// The local files among dropped URLs.
std::vector<std::filesystem::path> droppedFiles(const QMimeData* data)
{
    std::vector<std::filesystem::path> files;
    if (!data) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(QtPlatform::corePath(url.toLocalFile()));
    return files;
}

QString captionOf(const layout::Control& control)
{
    return QString::fromLatin1(control.caption ? control.caption : "");
}

}  // namespace

QtMainWindow::QtMainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(layout::kMainTitle));
    setWindowIcon(resourceIcon(QStringLiteral(":/icons/window.xpm")));
    setFont(dialogFont());
    setAutoFillBackground(true);
    resize(layout::kOuterWidth, layout::kOuterHeight);
    createControls();
    setAcceptDrops(true);
}

void QtMainWindow::createControls()
{
    Picture1 = placed(new CanvasWidget(this), layout::kPicture1);

    for (std::size_t i = 0; i < captions.size(); ++i) {
        const layout::Control& caption = layout::kCaptions[i];
        captions[i] = placed(new CaptionLabel(captionOf(caption), layout::isOneLine(caption), this), caption);
    }
    for (int i = 0; i < 9; ++i) {
        const std::string name = "Label1_" + std::to_string(i);
        auto* swatch = placed(new ColourLabel(this), {name.c_str(), layout::swatchPlace(i), nullptr, nullptr});
        swatch->setBackColour(layout::kPalette[static_cast<std::size_t>(i)]);
        swatch->setAccessibleName(QString::fromLatin1(layout::kSwatchNames[static_cast<std::size_t>(i)]));
        Label1[static_cast<std::size_t>(i)] = swatch;
    }
    Command1 = placed(new QPushButton(captionOf(layout::kCommand1), this), layout::kCommand1);
    Label6 = placed(new ColourLabel(this), layout::kLabel6);

    static const char* const toolIcons[4] = {":/icons/pencil.xpm", ":/icons/bucket.xpm", ":/icons/eraser.xpm",
                                             ":/icons/eyedropper.xpm"};
    for (std::size_t i = 0; i < Command3.size(); ++i)
        Command3[i] =
            placed(new PictureButton(resourceIcon(QString::fromLatin1(toolIcons[i])), this), layout::kCommand3[i]);
    for (int i = 0; i < 3; ++i) {
        const std::string name = "Label3_" + std::to_string(i);
        Label3[static_cast<std::size_t>(i)] =
            placed(new ColourLabel(this), {name.c_str(), layout::kLabel3[static_cast<std::size_t>(i)], nullptr, nullptr});
        Label3[static_cast<std::size_t>(i)]->setAccessibleName(
            QString::fromLatin1(layout::kPencilSizeNames[static_cast<std::size_t>(i)]));
    }

    Command2 = placed(new PictureButton(resourceIcon(QStringLiteral(":/icons/folder.xpm")), this), layout::kCommand2);
    Command4 = placed(new PictureButton(resourceIcon(QStringLiteral(":/icons/floppy.xpm")), this), layout::kCommand4);
    Command4->setEnabled(false);
    Command6 = placed(new QPushButton(captionOf(layout::kCommand6), this), layout::kCommand6);
    Command5 = placed(new QPushButton(captionOf(layout::kCommand5), this), layout::kCommand5);

    // Frames last, so their outlines lie over the controls they group.
    for (std::size_t i = 0; i < groupFrames.size(); ++i)
        groupFrames[i] = placed(new FrameShape(1, this), layout::kGroupFrames[i]);
    Shape1 = placed(new FrameShape(layout::kShape1Width, this), {"Shape1", layout::kShape1, nullptr, nullptr});

    QWidget* focusOrder[] = {Picture1,    Command1,    Command2,    Command3[0], Command3[1],
                             Command3[2], Command3[3], Command4,    Command5,    Command6};
    for (QWidget* w : focusOrder) {
        if (auto* b = qobject_cast<QPushButton*>(w)) b->setAutoDefault(false);
        w->setFocusPolicy(Qt::StrongFocus);
    }
    for (std::size_t i = 0; i + 1 < std::size(focusOrder); ++i) setTabOrder(focusOrder[i], focusOrder[i + 1]);
}

void QtMainWindow::fitCaptions()
{
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const layout::Control& caption = layout::kCaptions[i];
        if (!layout::isOneLine(caption)) continue;
        const PixelRect p =
            layout::oneLinePlace(caption.place, captions[i]->fontMetrics().horizontalAdvance(captions[i]->text()));
        captions[i]->setGeometry(p.left, p.top, p.width, p.height);
    }
}

void QtMainWindow::attach(Form1& form)
{
    m_form = &form;
    Picture1->showImage(form.Picture1);
    connect(Picture1, &CanvasWidget::mousePressed, this,
            [&form](std::int16_t b, std::int16_t s, float x, float y) { form.Picture1_MouseDown(b, s, x, y); });
    connect(Picture1, &CanvasWidget::mouseMoved, this,
            [&form](std::int16_t b, std::int16_t s, float x, float y) { form.Picture1_MouseMove(b, s, x, y); });
    connect(Picture1, &CanvasWidget::mouseReleased, this,
            [&form](std::int16_t b, std::int16_t s, float x, float y) { form.Picture1_MouseUp(b, s, x, y); });
    for (std::int16_t i = 0; i < 9; ++i)
        connect(Label1[static_cast<std::size_t>(i)], &ColourLabel::clicked, this, [&form, i] { form.Label1_Click(i); });
    for (std::int16_t i = 0; i < 3; ++i)
        connect(Label3[static_cast<std::size_t>(i)], &ColourLabel::clicked, this, [&form, i] { form.Label3_Click(i); });
    for (std::int16_t i = 0; i < 4; ++i)
        connect(Command3[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [&form, i] { form.Command3_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [&form] { form.Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [&form] { form.Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [&form] { form.Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [&form] { form.Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [&form] { form.Command6_Click(); });

    // Window-wide, so they work whichever control has the focus.
    const auto onKeys = [this](QKeyCombination keys, auto action) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    onKeys(Qt::CTRL | Qt::Key_Z, [&form] { form.undo(); });
    onKeys(Qt::CTRL | Qt::Key_Y, [&form] { form.redo(); });
    onKeys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z, [&form] { form.redo(); });
    onKeys(Qt::CTRL | Qt::Key_P, [&form] { form.PrintArtwork(); });
}

void QtMainWindow::placeOuter(int left, int top, int width, int height)
{
    m_outer = {left, top, width, height};
    placeAgain();
}

void QtMainWindow::placeAgain()
{
    // The outer size includes the frame the window manager draws, which is
    // known only once the window is shown; until then the frame counts as 0.
    const QSize frame = frameGeometry().size() - geometry().size();
    m_frameUsed = frame;
    resize(m_outer.width() - frame.width(), m_outer.height() - frame.height());
    move(m_outer.topLeft());
}

bool QtMainWindow::event(QEvent* e)
{
    const bool handled = QWidget::event(e);
    switch (e->type()) {
    case QEvent::Show:
        // The captions are measured when the window is first exposed, just
        // before anything is painted: reading the fonts then waits until
        // the window is mapped.
        if (!m_captionsFitted && windowHandle()) windowHandle()->installEventFilter(this);
        [[fallthrough]];
    case QEvent::Move:
    case QEvent::Resize:
        // A window manager reports its frame only after the window is shown.
        if (QWidget::isVisible() && frameGeometry().size() - geometry().size() != m_frameUsed) placeAgain();
        break;
    case QEvent::WindowActivate:
        if (m_form) m_form->Form_Activate();
        break;
    default:
        break;
    }
    return handled;
}

bool QtMainWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == windowHandle() && e->type() == QEvent::Expose && windowHandle()->isExposed() && !m_captionsFitted) {
        m_captionsFitted = true;
        windowHandle()->removeEventFilter(this);
        fitCaptions();
    }
    return QWidget::eventFilter(watched, e);
}

void QtMainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void QtMainWindow::dropEvent(QDropEvent* event)
{
    std::vector<std::filesystem::path> files = droppedFiles(event->mimeData());
    if (files.empty() || !m_form) return;
    event->acceptProposedAction();
    // After the drop has ended: a message box inside it would hold the
    // dragging program too.
    QTimer::singleShot(0, this, [this, files = std::move(files)] {
        if (m_form) m_form->ImportPages(files);
    });
}

Colour QtMainWindow::backColour() const
{
    const QColor c = palette().color(QPalette::Window);
    return rgbColour(c.red(), c.green(), c.blue());
}

void QtMainWindow::setToolButtonEnabled(int index, bool enabled)
{
    Command3.at(static_cast<std::size_t>(index))->setEnabled(enabled);
}

void QtMainWindow::setSaveButtonEnabled(bool enabled)
{
    Command4->setEnabled(enabled);
}

void QtMainWindow::setCurrentColourBack(Colour colour)
{
    Label6->setBackColour(colour);
}

void QtMainWindow::setPencilSquareBack(int index, Colour colour)
{
    Label3.at(static_cast<std::size_t>(index))->setBackColour(colour);
}

void QtMainWindow::placeSelectionFrame(const PixelRect& place)
{
    Shape1->setGeometry(place.left, place.top, place.width, place.height);
}

void QtMainWindow::focusCanvas()
{
    Picture1->setFocus(Qt::OtherFocusReason);
}

void QtMainWindow::showCanvasChange(const PixelRect& changed)
{
    Picture1->showChanged(changed);
}

void QtMainWindow::refreshCanvas()
{
    Picture1->Refresh();
}

std::unique_ptr<AboutWindow> QtMainWindow::createAboutWindow(frmAbout& dialog)
{
    return std::make_unique<QtAboutWindow>(dialog);
}
