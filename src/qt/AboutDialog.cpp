#include "qt/AboutDialog.h"

#include "about/frmAbout.h"
#include "qt/DialogFont.h"
#include "qt/LinkLabel.h"
#include "qt/ResourceArt.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace {

template <typename W>
W* placed(W* widget, const QRect& place, const char* name)
{
    widget->setGeometry(place);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

QLabel* textLabel(const QString& caption, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The bitmap sits at the box's top-left corner and is cut at its edges.
QLabel* pictureBox(const QString& resource, QWidget* parent)
{
    auto* box = new QLabel(parent);
    box->setPixmap(resourcePixmap(resource));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAutoFillBackground(true);
    return box;
}

}  // namespace

AboutDialog::AboutDialog(frmAbout* handlers)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_handlers(handlers)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setModal(false);
    setWindowTitle(text(frmAbout::kCaption));
    setWindowIcon(resourceIcon(QStringLiteral(":/icons/window.xpm")));
    setFont(dialogFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setFixedSize(318, 246);
    createControls();
}

void AboutDialog::createControls()
{
    Picture1 = placed(pictureBox(QStringLiteral(":/about/logo.bmp"), this), {8, 8, 305, 129}, "Picture1");

    // Drawn as a line is drawn on Windows: the end point itself stays blank.
    Line1 = placed(new QWidget(this), {6, 144, 312 - 6, 1}, "Line1");
    QPalette grey = Line1->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    Line1->setPalette(grey);
    Line1->setAutoFillBackground(true);

    Picture2 = placed(pictureBox(QStringLiteral(":/about/maker.bmp"), this), {24, 152, 273, 33}, "Picture2");
    Label3 = placed(textLabel(QStringLiteral("Developed by"), this), {8, 192, 73, 17}, "Label3");
    Label5 = placed(textLabel(text(frmAbout::kMakerName), this), {8, 208, 97, 17}, "Label5");
    // 1523 twips; the nearest whole pixel.
    Label4 = placed(new LinkLabel(text(frmAbout::kMailAddress), this), {102, 208, 113, 17}, "Label4");
    Label2 = placed(textLabel(QStringLiteral("Get The Latest Updates at"), this), {8, 224, 129, 17}, "Label2");
    Label1 = placed(new LinkLabel(text(frmAbout::kWebAddress), this), {137, 224, 105, 17}, "Label1");

    cmdOK = placed(new QPushButton(QStringLiteral("OK"), this), {261, 216, 52, 23}, "cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (m_handlers) m_handlers->cmdOK_Click();
    });
    connect(Label1, &LinkLabel::clicked, this, [this] {
        if (m_handlers) m_handlers->Label1_Click();
    });
    connect(Label4, &LinkLabel::clicked, this, [this] {
        if (m_handlers) m_handlers->Label4_Click();
    });
}

// Enter and Escape press OK.
void AboutDialog::accept()
{
    if (m_handlers) m_handlers->cmdOK_Click();
}

void AboutDialog::reject()
{
    if (m_handlers) m_handlers->cmdOK_Click();
}

bool AboutDialog::event(QEvent* e)
{
    const bool handled = QDialog::event(e);
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize: {
        // The window manager frames the dialog only once it is shown: centre
        // it again with the frame it really has.
        const QSize frame = frameGeometry().size() - size();
        if (isVisible() && frame != m_frameUsed && m_handlers) {
            m_frameUsed = frame;
            m_handlers->centreOnScreen();
        }
        break;
    }
    default:
        break;
    }
    return handled;
}

void AboutDialog::closeEvent(QCloseEvent* event)
{
    // Not QDialog's: it would call reject() again from inside the close.
    if (m_handlers) m_handlers->Form_Unload();
    event->accept();
}

QtAboutWindow::QtAboutWindow(frmAbout& handlers) : m_dialog(new AboutDialog(&handlers)) {}

QtAboutWindow::~QtAboutWindow()
{
    if (!m_dialog) return;
    m_dialog->forgetHandlers();
    m_dialog->hide();
    m_dialog->deleteLater();
}

void QtAboutWindow::showInFront()
{
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

void QtAboutWindow::close()
{
    m_dialog->close();
}

int QtAboutWindow::outerWidth() const
{
    return m_dialog->frameGeometry().width();
}

int QtAboutWindow::outerHeight() const
{
    return m_dialog->frameGeometry().height();
}

void QtAboutWindow::moveTo(int left, int top)
{
    // A top-level move places the frame's corner, not the client area's.
    m_dialog->move(left, top);
}
