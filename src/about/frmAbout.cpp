#include "about/frmAbout.h"

#include "about/LinkLabel.h"
#include "app/DialogFont.h"
#include "app/Platform.h"
#include "bitmap/Module1.h"
#include "raster/Rounding.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

const QString kMakerName = QStringLiteral("The Pintaro Team");
const QString kMailAddress = QStringLiteral("pintaro@example.org");
const QString kWebAddress = QStringLiteral("www.example.org");

template <typename W>
W* placed(W* widget, const QRect& place, const char* name)
{
    widget->setGeometry(place);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* textLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The bitmap sits at the box's top-left corner and is cut at its edges.
QLabel* pictureBox(const QString& resource, QWidget* parent)
{
    auto* box = new QLabel(parent);
    box->setPixmap(QPixmap(resource));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setAutoFillBackground(true);
    return box;
}

}  // namespace

// The subject keeps its plain space; the URL handler encodes it if it must.
const QString frmAbout::kWebLink = QStringLiteral("http://") + kWebAddress + QStringLiteral("/");
const QString frmAbout::kMailLink = QStringLiteral("mailto:") + kMailAddress + QStringLiteral("?subject=Pintaro v1.0");

frmAbout::frmAbout(Platform& platform)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("About The Tovella Rurira Pintaro v1.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window.xpm")));
    setFont(dialogFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    setFixedSize(318, 246);
    createControls();
}

void frmAbout::createControls()
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
    Label5 = placed(textLabel(kMakerName, this), {8, 208, 97, 17}, "Label5");
    // 1523 twips; the nearest whole pixel.
    Label4 = placed(new LinkLabel(kMailAddress, this), {102, 208, 113, 17}, "Label4");
    Label2 = placed(textLabel(QStringLiteral("Get The Latest Updates at"), this), {8, 224, 129, 17}, "Label2");
    Label1 = placed(new LinkLabel(kWebAddress, this), {137, 224, 105, 17}, "Label1");

    cmdOK = placed(new QPushButton(QStringLiteral("OK"), this), {261, 216, 52, 23}, "cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(Label1, &LinkLabel::clicked, this, [this] { Label1_Click(); });
    connect(Label4, &LinkLabel::clicked, this, [this] { Label4_Click(); });
}

void frmAbout::Form_Load(const QMargins& expectedFrame)
{
    QSize outer = frameGeometry().size();
    if (outer == size()) outer = size().grownBy(expectedFrame);
    const QSize screen = m_platform.screenSize();
    const float left = static_cast<float>(screen.width() - outer.width()) / 2.0f;
    const float top = static_cast<float>(screen.height() - outer.height()) / 2.0f;
    // A top-level move places the frame's corner, not the client area's.
    move(roundToPixel(left), roundToPixel(top));
}

void frmAbout::showInFront()
{
    show();
    raise();
    activateWindow();
}

void frmAbout::cmdOK_Click()
{
    close();
}

// Every way of dismissing a dialog ends in the one unload.
void frmAbout::accept()
{
    close();
}

void frmAbout::reject()
{
    close();
}

void frmAbout::closeEvent(QCloseEvent* event)
{
    // Not QDialog's: it would call reject() again from inside the close.
    Form_Unload();
    event->accept();
}

void frmAbout::Form_Unload()
{
    m_unloaded = true;
    Module1::AboutRequested = 0;
}

void frmAbout::Label1_Click()
{
    m_platform.openUrl(kWebLink);
}

void frmAbout::Label4_Click()
{
    m_platform.openUrl(kMailLink);
}
