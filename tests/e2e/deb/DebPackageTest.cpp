// The Debian package as a family gets it: lintian's verdict, then the program
// run from the package's files, by an ordinary user, under a real X server.

#include "ProgramScreen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <memory>

#ifndef PINTARO_DEB_PACKAGE
#error "PINTARO_DEB_PACKAGE must name the package under test"
#endif

namespace {

using namespace e2e;

const QString kPackage = QStringLiteral(PINTARO_DEB_PACKAGE);

TEST(DebPackage, LintianFindsNoError)
{
    ASSERT_TRUE(QFileInfo::exists(kPackage)) << "no " PINTARO_DEB_PACKAGE "; tools/build-deb makes it";
    const ToolResult lintian = runTool(QStringLiteral("lintian"), {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), kPackage}, 300000);
    EXPECT_TRUE(lintian.finished && lintian.exitCode == 0) << lintian.output.toStdString() << lintian.errors.toStdString();
}

// Unpacked as the system would, the program's folder writable by no user; run
// by a user of no privilege, as root's tests would otherwise write anywhere.
TEST(DebPackage, ProgramFindsItsPicturesAndSavesIntoTheUsersOwnPictures)
{
    QTemporaryDir work(QStringLiteral(PINTARO_BINARY_DIR "/deb-XXXXXX"));
    ASSERT_TRUE(work.isValid());
    const QString root = work.filePath(QStringLiteral("root"));
    const ToolResult unpack = runTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), kPackage, root}, 60000);
    ASSERT_TRUE(unpack.finished && unpack.exitCode == 0) << unpack.errors.toStdString();
    const QString folder = root + QStringLiteral("/usr/lib/pintaro");
    const QFileDevice::Permissions readable = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup
                                              | QFile::ReadOther | QFile::ExeOther;
    const QStringList shipped = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString& locked : {folder, folder + QStringLiteral("/pics")}) QFile::setPermissions(locked, readable);
    QFile::setPermissions(work.path(), readable | QFile::WriteOwner);

    const QString home = work.filePath(QStringLiteral("home"));
    ASSERT_TRUE(QDir().mkpath(home));
    VirtualScreen screen;
    const QString problem = screen.start(1024, 768);
    ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    const QProcessEnvironment environment = programEnvironment(screen.display(), home);
    QString program = root + QStringLiteral("/usr/bin/pintaro");
    QStringList arguments;
    if (geteuid() == 0) {
        const ToolResult own = runTool(QStringLiteral("chown"), {QStringLiteral("-R"), QStringLiteral("nobody:nogroup"), home});
        ASSERT_TRUE(own.finished && own.exitCode == 0) << own.errors.toStdString();
        arguments = {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups"),
                     program};
        program = QStringLiteral("setpriv");
    }
    ChildProcess pintaro;
    pintaro.setErrorFile(work.filePath(QStringLiteral("program-messages.txt")));
    ASSERT_TRUE(pintaro.start(program, arguments, environment, false, home));
    XDriver x(screen.display());
    const ProgramScreen on(x, QPoint(0, 0), QPoint(10, 10), true);
    ASSERT_FALSE(x.waitForWindow(kMainTitle).isEmpty()) << "the main window never appeared; the program "
                                                        << pintaro.describe();

    // A bare name is found only where the Open dialog starts: the package's pictures.
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "cat.bmp was not found or refused";
    const QImage cat(folder + QStringLiteral("/pics/cat.bmp"));
    ASSERT_FALSE(cat.isNull());
    const Pixels opened = openedOnCanvas(Pixels::fromImage(cat));
    ASSERT_EQ(on.waitForCanvas(opened), "");

    ASSERT_TRUE(x.click(on.saveButton()));
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("my cat.bmp")));
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after saving";
    const QString saved = home + QStringLiteral("/Pictures/Pintaro/my cat.bmp");
    EXPECT_EQ(differences(opened, QImage(saved, "BMP")), "") << saved.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), shipped);

    x.click(on.exitButton());
    EXPECT_EQ(pintaro.waitForExit(10000), 0);
    for (const QString& locked : {folder, folder + QStringLiteral("/pics")}) QFile::setPermissions(locked, readable | QFile::WriteOwner);
}

}  // namespace
