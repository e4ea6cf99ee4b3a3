#include "qt/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// Answers whichever modal dialog comes up next, the way a person would.
void acceptNextModal(std::function<void(QWidget*)> before = {})
{
    QTimer::singleShot(50, [before] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return acceptNextModal(before);
        if (before) before(modal);
        // done() rather than accept(): no validation of the chosen name can stall the probe.
        if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(QDialog::Accepted);
    });
}

QStringList filesBelow(const QString& dir)
{
    QStringList found;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    return found;
}

// Runs in a child process (see below): uses the real dialogs, then exits, so
// that whatever Qt writes at exit is written.
TEST(SettingsProbe, UseTheRealDialogs)
{
    if (!std::getenv("PINTARO_SETTINGS_PROBE")) GTEST_SKIP() << "runs only inside the settings test's child";
    QtPlatform platform;
    CommonDialogState colour;
    colour.colour = 0x00336699;
    // A custom colour is what makes the colour dialog want to remember.
    acceptNextModal([](QWidget*) { QColorDialog::setCustomColor(0, QColor(1, 2, 3)); });
    platform.showCommonDialog(DialogAction::Color, colour);
    CommonDialogState open;
    open.initDir = QtPlatform::corePath(QDir::tempPath());
    open.filter = "BMP Files|*.bmp|All Files|*.*";
    acceptNextModal([](QWidget* w) {
        if (auto* d = qobject_cast<QFileDialog*>(w)) d->selectFile(QDir::tempPath() + QStringLiteral("/x.bmp"));
    });
    platform.showCommonDialog(DialogAction::Open, open);
    EXPECT_FALSE(open.fileName.empty());
    EXPECT_EQ(colour.colour, 0x00336699u);
}

TEST(SettingsTest, ARunLeavesTheConfigurationFoldersEmpty)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QDir(home.path()).mkpath(QStringLiteral("config"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PINTARO_SETTINGS_PROBE"), QStringLiteral("1"));
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=SettingsProbe.*")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    ASSERT_EQ(child.exitCode(), 0) << output.toStdString();
    ASSERT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    const QStringList written = filesBelow(home.path() + QStringLiteral("/config"));
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char(' ')).toStdString();
}

}  // namespace

namespace {

TEST(QtPlatformTest, ProgramFolderHoldsTheExecutableWithLinksResolved)
{
    QtPlatform platform;
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    EXPECT_EQ(QtPlatform::qtPath(platform.programFolder()), QFileInfo(exe).path());
    EXPECT_TRUE(std::filesystem::is_directory(platform.programFolder()));
}

}  // namespace
