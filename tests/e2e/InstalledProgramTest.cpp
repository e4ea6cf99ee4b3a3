// The program installed under a prefix and started through its link.

#include "EndToEndFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

namespace {

using namespace e2e;

TEST_F(EndToEnd, InstalledProgramFindsItsPicturesThroughTheLink)
{
    const QString build = QFileInfo(QStringLiteral(PINTARO_PROGRAM)).absolutePath();
    const QString prefix = m_work.filePath(QStringLiteral("prefix"));
    const ToolResult install =
        runTool(QStringLiteral(PINTARO_CMAKE), {QStringLiteral("--install"), build, QStringLiteral("--prefix"), prefix},
                120000);
    ASSERT_TRUE(install.finished && install.exitCode == 0) << install.errors.toStdString();

    const QString folder = prefix + QStringLiteral("/lib/pintaro");
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/pintaro")).isExecutable());
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/pics/mypics")).isDir());
    const QStringList pictures = QDir(folder + QStringLiteral("/pics")).entryList({QStringLiteral("*.bmp")}, QDir::Files);
    EXPECT_TRUE(pictures.contains(QStringLiteral("cat.bmp"))) << pictures.join(' ').toStdString();
    const QFileInfo link(prefix + QStringLiteral("/bin/pintaro"));
    ASSERT_TRUE(link.isSymLink());
    EXPECT_EQ(link.canonicalFilePath(), QFileInfo(folder + QStringLiteral("/pintaro")).canonicalFilePath());

    const ToolResult desktop = runTool(
        QStringLiteral("desktop-file-validate"),
        {prefix + QStringLiteral("/share/applications/org.example.Pintaro.desktop")});
    EXPECT_TRUE(desktop.finished && desktop.exitCode == 0) << desktop.output.toStdString();
    const ToolResult metainfo = runTool(
        QStringLiteral("appstreamcli"),
        {QStringLiteral("validate"), QStringLiteral("--no-net"),
         prefix + QStringLiteral("/share/metainfo/org.example.Pintaro.metainfo.xml")},
        30000);
    EXPECT_TRUE(metainfo.finished && metainfo.exitCode == 0) << metainfo.output.toStdString();
    const QString icons = prefix + QStringLiteral("/share/icons/hicolor/");
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon(icons + QStringLiteral("%1x%1/apps/org.example.Pintaro.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size)) << "the icon at " << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the icon at " << size << " has no transparent background";
    }
    EXPECT_TRUE(QFileInfo(icons + QStringLiteral("scalable/apps/org.example.Pintaro.svg")).isFile());

    // A bare name typed into the Open dialog is found only if the dialog
    // starts in the installed pictures folder, not beside the link.
    ASSERT_NO_FATAL_FAILURE(showMainWindow(link.filePath()));
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "cat.bmp was not found or refused";
    const QImage cat(folder + QStringLiteral("/pics/cat.bmp"));
    ASSERT_FALSE(cat.isNull());
    EXPECT_EQ(on.waitForCanvas(openedOnCanvas(Pixels::fromImage(cat))), "");

    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
}

}  // namespace
