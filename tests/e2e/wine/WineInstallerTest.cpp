// The installer as a family runs it, silently: what it leaves behind, the
// program it installed, and the artwork that outlives installing again and
// uninstalling.

#include "WineFixture.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#ifndef PINTARO_WINDOWS_INSTALLER
#error "PINTARO_WINDOWS_INSTALLER must name the installer under test"
#endif

namespace {

using namespace wine_e2e;

const QString kInstaller = QStringLiteral(PINTARO_WINDOWS_INSTALLER);
const QString kUninstallKey = QStringLiteral("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pintaro");

class WineInstaller : public WineEndToEnd {
protected:
    // A Windows program run to its end, with no display.
    ToolResult wine(const QStringList& arguments) const
    {
        return runTool(kWineRun, QStringList{QStringLiteral("--prefix"), prefix()} + arguments, 120000,
                       wineEnvironment(QString(), m_home, prefix()));
    }

    // The one user of the prefix has a folder beside the shared one.
    static QString userFolder()
    {
        const QString users = prefix() + QStringLiteral("/drive_c/users/");
        for (const QString& user : QDir(users).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            if (user != QStringLiteral("Public")) return users + user;
        return {};
    }
};

TEST_F(WineInstaller, InstallsForTheUserAndLeavesTheArtworkWhenUninstalled)
{
    ASSERT_TRUE(QFileInfo::exists(kInstaller)) << "no " PINTARO_WINDOWS_INSTALLER "; tools/build-windows makes it";
    const ToolResult install = wine({kInstaller, QStringLiteral("/S")});
    ASSERT_TRUE(install.finished && install.exitCode == 0) << install.errors.toStdString();
    const QString installed = userFolder() + QStringLiteral("/AppData/Local/Programs/Pintaro");
    const QString shortcut = userFolder() + QStringLiteral("/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Pintaro.lnk");
    ASSERT_TRUE(QFileInfo::exists(installed + QStringLiteral("/pintaro.exe"))) << installed.toStdString();
    EXPECT_TRUE(QFileInfo(installed + QStringLiteral("/pics/mypics")).isDir());
    EXPECT_TRUE(QFileInfo::exists(shortcut));
    const ToolResult entry = wine({QStringLiteral("reg"), QStringLiteral("query"), kUninstallKey});
    for (const char* value : {"DisplayVersion    REG_SZ    1.0.0", "Publisher    REG_SZ    The Pintaro Team",
                              "DisplayIcon    REG_SZ    C:\\", "uninstall.exe\" /S"})
        EXPECT_TRUE(entry.output.contains(value)) << value << " not in\n" << entry.output.toStdString();

    // Started from where it was installed, the program finds its pictures, and
    // a bare name saves into its pics\mypics. Wine's server must start anew on
    // the display.
    endWine(prefix(), m_home);
    m_folder = installed;
    ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
    ASSERT_NO_FATAL_FAILURE(startProgram());
    const XDriver& x = *m_x;
    const ProgramScreen& on = *m_on;
    ASSERT_FALSE(x.waitForWindow(kMainTitle).isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    ASSERT_TRUE(x.click(on.canvasPoint(320, 260)));
    ASSERT_TRUE(on.chooseFile(kOpenTitle, QStringLiteral("cat.bmp")));
    EXPECT_TRUE(x.windows(kErrorTitle).isEmpty()) << "cat.bmp was not found or refused";
    ASSERT_TRUE(x.click(on.saveButton()));
    ASSERT_TRUE(on.chooseFile(kSaveTitle, QStringLiteral("kept.bmp")));
    ASSERT_TRUE(on.answerBox(kConfirmTitle, QStringLiteral("Return"))) << "no confirmation after saving";
    x.click(on.exitButton());
    EXPECT_EQ(m_program.waitForExit(10000), 0);
    const QString artwork = installed + QStringLiteral("/pics/mypics/kept.bmp");
    const QByteArray saved = readFile(artwork);
    ASSERT_EQ(bitCountOf(saved), 24);
    endWine(prefix(), m_home);

    const ToolResult again = wine({kInstaller, QStringLiteral("/S")});
    ASSERT_TRUE(again.finished && again.exitCode == 0) << again.errors.toStdString();
    EXPECT_TRUE(readFile(artwork) == saved) << "installing again changed the artwork";

    // The uninstaller hands over to a copy of itself and returns at once.
    const ToolResult uninstall = wine({installed + QStringLiteral("/uninstall.exe"), QStringLiteral("/S")});
    ASSERT_TRUE(uninstall.finished && uninstall.exitCode == 0) << uninstall.errors.toStdString();
    const QDeadlineTimer done(60000);
    while (QFileInfo::exists(installed + QStringLiteral("/uninstall.exe")) && !done.hasExpired()) QThread::msleep(200);
    EXPECT_FALSE(QFileInfo::exists(installed + QStringLiteral("/uninstall.exe")));
    EXPECT_FALSE(QFileInfo::exists(installed + QStringLiteral("/pintaro.exe")));
    EXPECT_FALSE(QFileInfo::exists(installed + QStringLiteral("/pics/cat.bmp")));
    EXPECT_FALSE(QFileInfo::exists(shortcut));
    EXPECT_NE(wine({QStringLiteral("reg"), QStringLiteral("query"), kUninstallKey}).exitCode, 0);
    EXPECT_TRUE(readFile(artwork) == saved) << "uninstalling changed or removed the artwork";
}

}  // namespace
