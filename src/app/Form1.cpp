#include "app/Form1.h"

#include "about/frmAbout.h"
#include "app/DialogFont.h"

#include <QEvent>
#include <QIcon>

namespace {

struct Place {
    int left, top, width, height;
};

// The palette's colours, by swatch index (0x00BBGGRR).
constexpr std::array<Colour, 9> kPalette = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                                            0x000000FF, 0x00FF0000, 0x00101010, 0x00FFFFFF};

template <typename W>
W* placed(W* widget, const Place& p, const char* name)
{
    widget->setGeometry(p.left, p.top, p.width, p.height);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      CommonDialog1(platform, this),
      m_platform(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("The Tovella Vadovov Rurira Pintaro v1.0"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/window.xpm")));
    setFont(dialogFont());
    setAutoFillBackground(true);
    resize(800, 600);
    createControls();
    connectControls();
}

Form1::~Form1()
{
    delete m_about;
}

Colour Form1::backColour() const
{
    const QColor c = palette().color(QPalette::Window);
    return rgbColour(c.red(), c.green(), c.blue());
}

void Form1::createControls()
{
    Picture1 = placed(new CanvasWidget(this), {8, 8, 689, 561}, "Picture1");

    Label7 = placed(new CaptionLabel(QStringLiteral("Color Select"), this), {712, 16, 65, 17}, "Label7");
    for (int i = 0; i < 9; ++i) {
        auto* swatch = placed(new ColourLabel(this), {712 + 24 * (i % 3), 32 + 24 * (i / 3), 17, 17}, "Label1");
        swatch->setObjectName(QStringLiteral("Label1_%1").arg(i));
        swatch->setBackColour(kPalette[static_cast<std::size_t>(i)]);
        Label1[static_cast<std::size_t>(i)] = swatch;
    }
    Command1 = placed(new QPushButton(QStringLiteral("More Colors"), this), {712, 104, 65, 17}, "Command1");

    Label5 = placed(new CaptionLabel(QStringLiteral("Current Color"), this), {712, 144, 65, 17}, "Label5");
    Label6 = placed(new ColourLabel(this), {712, 160, 65, 17}, "Label6");

    Label2 = placed(new CaptionLabel(QStringLiteral("Paint Tools"), this), {712, 200, 65, 17}, "Label2");
    static const char* const toolIcons[4] = {":/icons/pencil.xpm", ":/icons/bucket.xpm", ":/icons/eraser.xpm",
                                             ":/icons/eyedropper.xpm"};
    static const char* const toolTips[4] = {"Use This Tool To Draw", "Use This Tool To Fill", "Use This Tool to Erase",
                                            "Use This Tool For Color Grabbing"};
    for (int i = 0; i < 4; ++i) {
        auto* button = placed(new PictureButton(QIcon(QString::fromLatin1(toolIcons[i])), this),
                              {712, 216 + 32 * i, 65, 25}, "Command3");
        button->setObjectName(QStringLiteral("Command3_%1").arg(i));
        button->setToolTip(QString::fromLatin1(toolTips[i]));
        Command3[static_cast<std::size_t>(i)] = button;
    }

    Label4 = placed(new CaptionLabel(QStringLiteral("Pencil Sizes"), this), {712, 360, 65, 17}, "Label4");
    const Place squares[3] = {{716, 384, 9, 9}, {734, 384, 13, 13}, {756, 384, 17, 17}};
    for (int i = 0; i < 3; ++i) {
        auto* square = placed(new ColourLabel(this), squares[i], "Label3");
        square->setObjectName(QStringLiteral("Label3_%1").arg(i));
        Label3[static_cast<std::size_t>(i)] = square;
    }

    Label8 = placed(new CaptionLabel(QStringLiteral("Picture Management"), this), {712, 432, 65, 33}, "Label8");
    Command2 = placed(new PictureButton(QIcon(QStringLiteral(":/icons/folder.xpm")), this), {712, 464, 65, 25},
                      "Command2");
    Command2->setToolTip(QStringLiteral("Click Here To Open A New Image"));
    Command4 = placed(new PictureButton(QIcon(QStringLiteral(":/icons/floppy.xpm")), this), {712, 496, 65, 25},
                      "Command4");
    Command4->setToolTip(QStringLiteral("Click Here To Save Your Work"));
    Command4->setEnabled(false);

    Command6 = placed(new QPushButton(QStringLiteral("?"), this), {712, 544, 33, 17}, "Command6");
    Command6->setToolTip(QStringLiteral("About This Program"));
    Command5 = placed(new QPushButton(QStringLiteral("Exit"), this), {744, 544, 33, 17}, "Command5");
    Command5->setToolTip(QStringLiteral("Exit This Program"));

    // Frames last, so their outlines lie over the controls they group.
    Shape2 = placed(new FrameShape(1, this), {704, 8, 81, 121}, "Shape2");
    Shape4 = placed(new FrameShape(1, this), {704, 136, 81, 49}, "Shape4");
    Shape6 = placed(new FrameShape(1, this), {704, 192, 81, 153}, "Shape6");
    Shape3 = placed(new FrameShape(1, this), {704, 352, 81, 65}, "Shape3");
    Shape7 = placed(new FrameShape(1, this), {704, 424, 81, 105}, "Shape7");
    Shape8 = placed(new FrameShape(1, this), {704, 536, 81, 33}, "Shape8");
    Shape1 = placed(new FrameShape(2, this), {688, 552, 9, 17}, "Shape1");

    for (QPushButton* b : {Command1, static_cast<QPushButton*>(Command2), static_cast<QPushButton*>(Command3[0]),
                           static_cast<QPushButton*>(Command3[1]), static_cast<QPushButton*>(Command3[2]),
                           static_cast<QPushButton*>(Command3[3]), static_cast<QPushButton*>(Command4), Command5,
                           Command6}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::StrongFocus);
    }
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Command2);
    setTabOrder(Command2, Command3[0]);
    setTabOrder(Command3[0], Command3[1]);
    setTabOrder(Command3[1], Command3[2]);
    setTabOrder(Command3[2], Command3[3]);
    setTabOrder(Command3[3], Command4);
    setTabOrder(Command4, Command5);
    setTabOrder(Command5, Command6);
}

void Form1::connectControls()
{
    connect(Picture1, &CanvasWidget::mousePressed, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &CanvasWidget::mouseMoved, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &CanvasWidget::mouseReleased, this, &Form1::Picture1_MouseUp);
    for (std::int16_t i = 0; i < 9; ++i)
        connect(Label1[static_cast<std::size_t>(i)], &ColourLabel::clicked, this, [this, i] { Label1_Click(i); });
    for (std::int16_t i = 0; i < 3; ++i)
        connect(Label3[static_cast<std::size_t>(i)], &ColourLabel::clicked, this, [this, i] { Label3_Click(i); });
    for (std::int16_t i = 0; i < 4; ++i)
        connect(Command3[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { Command3_Click(i); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
}

bool Form1::event(QEvent* e)
{
    const bool handled = QWidget::event(e);
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        // A window manager reports its frame only after the window is shown.
        if (isVisible() && frameGeometry().size() - geometry().size() != m_frameUsed) placeWindow();
        break;
    case QEvent::WindowActivate:
        Form_Activate();
        break;
    default:
        break;
    }
    return handled;
}

frmAbout* Form1::aboutDialog() const
{
    return m_about.data();
}
