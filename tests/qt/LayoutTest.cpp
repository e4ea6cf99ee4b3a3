#include "qt/QtFormFixture.h"
#include "app/Layout.h"
#include "support/ControlNames.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QStyle>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <cstdlib>

namespace {

struct Expected {
    const char* name;
    QRect place;
    const char* text;
    const char* toolTip;
};

// Every control of the window at its pixel place, with caption and tooltip.
const Expected kControls[] = {
    {"Picture1", {8, 8, 689, 561}, nullptr, ""},
    {"Shape2", {704, 8, 81, 121}, nullptr, nullptr},
    {"Label7", {712, 16, 65, 17}, "Color Select", ""},
    {"Label1_0", {712, 32, 17, 17}, nullptr, ""},
    {"Label1_1", {736, 32, 17, 17}, nullptr, ""},
    {"Label1_2", {760, 32, 17, 17}, nullptr, ""},
    {"Label1_3", {712, 56, 17, 17}, nullptr, ""},
    {"Label1_4", {736, 56, 17, 17}, nullptr, ""},
    {"Label1_5", {760, 56, 17, 17}, nullptr, ""},
    {"Label1_6", {712, 80, 17, 17}, nullptr, ""},
    {"Label1_7", {736, 80, 17, 17}, nullptr, ""},
    {"Label1_8", {760, 80, 17, 17}, nullptr, ""},
    {"Command1", {712, 104, 65, 17}, "More Colors", ""},
    {"Shape4", {704, 136, 81, 49}, nullptr, nullptr},
    {"Label5", {712, 144, 65, 17}, "Current Color", ""},
    {"Label6", {712, 160, 65, 17}, nullptr, ""},
    {"Shape6", {704, 192, 81, 153}, nullptr, nullptr},
    {"Label2", {712, 200, 65, 17}, "Paint Tools", ""},
    {"Command3_0", {712, 216, 65, 25}, "", "Use This Tool To Draw"},
    {"Command3_1", {712, 248, 65, 25}, "", "Use This Tool To Fill"},
    {"Command3_2", {712, 280, 65, 25}, "", "Use This Tool to Erase"},
    {"Command3_3", {712, 312, 65, 25}, "", "Use This Tool For Color Grabbing"},
    {"Shape3", {704, 352, 81, 65}, nullptr, nullptr},
    {"Label4", {712, 360, 65, 17}, "Pencil Sizes", ""},
    {"Label3_0", {716, 384, 9, 9}, nullptr, ""},
    {"Label3_1", {734, 384, 13, 13}, nullptr, ""},
    {"Label3_2", {756, 384, 17, 17}, nullptr, ""},
    {"Shape7", {704, 424, 81, 105}, nullptr, nullptr},
    {"Label8", {712, 432, 65, 33}, "Picture Management", ""},
    {"Command2", {712, 464, 65, 25}, "", "Click Here To Open A New Image"},
    {"Command4", {712, 496, 65, 25}, "", "Click Here To Save Your Work"},
    {"Shape8", {704, 536, 81, 33}, nullptr, nullptr},
    {"Command6", {712, 544, 33, 17}, "?", "About This Program"},
    {"Command5", {744, 544, 33, 17}, "Exit", "Exit This Program"},
};

class LayoutTest : public QtFormFixture {};

TEST_F(LayoutTest, EveryControlAtItsPlaceWithItsTexts)
{
    ASSERT_TRUE(start(false));
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->geometry(), e.place);
        if (e.toolTip) { EXPECT_EQ(w->toolTip(), QString::fromLatin1(e.toolTip)); }
        if (e.text) {
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                EXPECT_EQ(b->text(), QString::fromLatin1(e.text));
            }
            if (auto* l = qobject_cast<QLabel*>(w)) {
                EXPECT_EQ(l->text(), QString::fromLatin1(e.text));
            }
        }
    }
    EXPECT_EQ(window->Shape1->geometry(), QRect(688, 552, 9, 17));
}

TEST_F(LayoutTest, CreatedStateBeforeStartUpSelects)
{
    ASSERT_TRUE(start(false));
    EXPECT_FALSE(window->Command4->isEnabled());
    for (auto* b : window->Command3) EXPECT_TRUE(b->isEnabled());
    EXPECT_EQ(window->Label6->backColour(), window->backColour());
    for (auto* s : window->Label3) EXPECT_EQ(s->backColour(), window->backColour());
    const Colour palette[9] = {0x000080FF, 0x0000FFFF, 0x00FFFF00, 0x0000FF00, 0x00FF00FF,
                               0x000000FF, 0x00FF0000, 0x00101010, 0x00FFFFFF};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(window->Label1[static_cast<std::size_t>(i)]->backColour(), palette[i]) << i;
}

TEST_F(LayoutTest, OneLineCaptionsFitOnOneLineCentredAndPictureManagementTakesTwo)
{
    ASSERT_TRUE(start(false));
    // Every one-line caption of the window, labels and buttons alike, in the
    // font the window picked.
    const layout::Control* oneLine[] = {&layout::kCaptions[0], &layout::kCaptions[1], &layout::kCaptions[2],
                                        &layout::kCaptions[3], &layout::kCommand1,    &layout::kCommand6,
                                        &layout::kCommand5};
    for (const layout::Control* c : oneLine) {
        SCOPED_TRACE(c->name);
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(c->name));
        ASSERT_NE(w, nullptr);
        int room = w->width() - 2 * w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
        if (auto* l = qobject_cast<QLabel*>(w)) {
            room = l->contentsRect().width();
            EXPECT_FALSE(l->wordWrap());
            EXPECT_TRUE(l->alignment() & Qt::AlignHCenter);
            EXPECT_LE(std::abs(2 * w->x() + w->width() - (2 * c->place.left + c->place.width)), 1) << "not centred";
        }
        EXPECT_LE(w->fontMetrics().horizontalAdvance(QString::fromLatin1(c->caption)), room);
        EXPECT_LE(w->fontMetrics().height(), w->height());
    }
    CaptionLabel* const label8 = window->captions[4];
    const QFontMetrics metrics(label8->font());
    EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("Management")), 65);
    EXPECT_GT(metrics.horizontalAdvance(QStringLiteral("Picture Management")), 65);
    EXPECT_LE(2 * metrics.height(), 33);
    EXPECT_TRUE(label8->wordWrap());
}

TEST_F(LayoutTest, PictureButtonsSwatchesAndSquaresHaveAccessibleNames)
{
    ASSERT_TRUE(start(false));
    for (const ControlName& expected : kControlNames) {
        auto* w = window->findChild<QWidget*>(QString::fromLatin1(expected.control));
        ASSERT_NE(w, nullptr) << expected.control;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        ASSERT_NE(accessible, nullptr) << expected.control;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(expected.name)) << expected.control;
    }
}

TEST_F(LayoutTest, FramesAreOutlinesThatLetTheSwatchesShowThrough)
{
    ASSERT_TRUE(start());
    const QImage shot = window->grab().toImage();
    const auto at = [&](int x, int y) { return shot.pixelColor(x, y); };
    // The selection frame surrounds swatch 6 (712, 80) without covering it.
    EXPECT_EQ(at(720, 88), QColor(0, 0, 255));
    EXPECT_EQ(at(710, 88), window->palette().color(QPalette::WindowText));
    // Inside a group frame the window's own background shows.
    EXPECT_EQ(at(704, 60), window->palette().color(QPalette::WindowText));
    EXPECT_EQ(at(706, 60), window->palette().color(QPalette::Window));
    // Frames take no clicks: what lies under a frame gets them.
    EXPECT_EQ(window->childAt(720, 88), window->Label1[6]);
    EXPECT_EQ(window->childAt(704, 60), nullptr);
    EXPECT_EQ(window->childAt(712, 217), window->Command3[0]);
}

}  // namespace
