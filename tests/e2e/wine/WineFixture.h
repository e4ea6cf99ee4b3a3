#pragma once

// A private X server and a Wine prefix made once for the whole run, and the
// Windows program run under Wine on that server.

#include "ProgramScreen.h"

#include "app/DisplayScale.h"
#include "app/Layout.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#ifndef PINTARO_WINDOWS_PROGRAM
#error "PINTARO_WINDOWS_PROGRAM must name the Windows program under test"
#endif

namespace wine_e2e {

using namespace e2e;

inline const QString kWineRun = QStringLiteral(PINTARO_WINE_RUN);
// Greek and Japanese: outside every ANSI code page that has Latin letters.
inline const QString kChildFolder = QString::fromUtf8("Παιδί 子供");

// How Wine names a Unix path: the whole file system is drive Z:.
inline QString windowsPath(const QString& unixPath) { return QStringLiteral("Z:") + QString(unixPath).replace('/', '\\'); }

// "win32" or "win64", as the program under test is PE32 or PE32+: the
// prefix the tests share is made for it, and Wine's commands run as it does.
inline QString windowsArchitecture()
{
    QFile program(QStringLiteral(PINTARO_WINDOWS_PROGRAM));
    if (!program.open(QIODevice::ReadOnly)) return {};
    const QByteArray head = program.read(4096);
    if (head.size() < 64) return {};
    const auto word = [&](qsizetype at, int bytes) {
        quint32 value = 0;
        for (int i = bytes - 1; i >= 0 && at + i < head.size(); --i) value = value << 8 | quint8(head[at + i]);
        return value;
    };
    const quint32 magic = word(word(60, 4) + 24, 2);
    return magic == 0x20b ? QStringLiteral("win64") : QStringLiteral("win32");
}

inline QProcessEnvironment wineEnvironment(const QString& display, const QString& home, const QString& prefix)
{
    QProcessEnvironment environment = programEnvironment(display, home);
    environment.insert(QStringLiteral("WINEARCH"), windowsArchitecture());
    if (display.isEmpty()) environment.remove(QStringLiteral("DISPLAY"));
    environment.insert(QStringLiteral("WINEPREFIX"), prefix);
    // Wine reads Unix file names in the locale's encoding.
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    return environment;
}

// Ends the prefix's server and everything it runs, and waits until it has.
inline void endWine(const QString& prefix, const QString& home)
{
    const QProcessEnvironment environment = wineEnvironment(QString(), home, prefix);
    runTool(QStringLiteral("wineserver"), {QStringLiteral("-k")}, 20000, environment);
    runTool(QStringLiteral("wineserver"), {QStringLiteral("-w")}, 20000, environment);
}

class WineEndToEnd : public ::testing::Test {
protected:
    // The prefix is made once, without a display, and shared by every test
    // (CTest removes it before and after a run). Each test ends the
    // prefix's server, so the next test's programs start a new one on that
    // test's own display.
    static void SetUpTestSuite()
    {
        if (QFile::exists(prefix() + QStringLiteral("/.ready"))) return;
        const QString home = prefix() + QStringLiteral(".home");
        QDir().mkpath(home);
        runTool(kWineRun, {QStringLiteral("--prefix"), prefix(), QStringLiteral("wineboot")}, 180000,
                wineEnvironment(QString(), home, prefix()));
        endWine(prefix(), home);
    }
    static QString prefix() { return QStringLiteral(PINTARO_WINE_PREFIX); }

    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(prefix() + QStringLiteral("/.ready")))
            << "no Wine prefix could be made; see " << prefix().toStdString() << ".log";
        ASSERT_TRUE(m_work.isValid());
        m_home = m_work.filePath(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(m_home));
        // The program in a folder of its own, with the folder it saves into.
        m_folder = m_work.filePath(kChildFolder + QStringLiteral("/pintaro"));
        ASSERT_TRUE(QDir().mkpath(m_folder + QStringLiteral("/pics/mypics")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PINTARO_WINDOWS_PROGRAM), m_folder + QStringLiteral("/pintaro.exe")))
            << "no " PINTARO_WINDOWS_PROGRAM "; tools/build-windows makes it";
    }
    void TearDown() override
    {
        m_program.stop();
        endWine(prefix(), m_home);
    }

    // Wine draws the frame itself: at 96 dpi the client area is at (4, 23),
    // the canvas inside its 2-pixel edge at (8, 8) units of it. Wine gives
    // its dialogs the keyboard itself.
    void startScreen(int width, int height, DisplayScale scale = DisplayScale(), QPoint clientOrigin = {4, 23})
    {
        const QString problem = m_screen.start(width, height);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        m_x = std::make_unique<XDriver>(m_screen.display());
        const int canvasInset = scale.toDevice(layout::kPicture1.place.left) + layout::kCanvasBorder;
        m_on = std::make_unique<ProgramScreen>(*m_x, clientOrigin, clientOrigin + QPoint(canvasInset, canvasInset),
                                               false, scale);
    }

    // Started from the child's home unless `from` names another folder.
    void startProgram(const QStringList& arguments = {}, const QString& from = QString())
    {
        m_program.setErrorFile(m_work.filePath(QStringLiteral("program-messages.txt")));
        ASSERT_TRUE(m_program.start(kWineRun,
                                    QStringList{QStringLiteral("--prefix"), prefix(), m_folder + QStringLiteral("/pintaro.exe")}
                                        + arguments,
                                    wineEnvironment(m_screen.display(), m_home, prefix()), false,
                                    from.isEmpty() ? m_home : from))
            << "cannot start the program under Wine";
    }

    QTemporaryDir m_work{QStringLiteral(PINTARO_BINARY_DIR "/wine-e2e-XXXXXX")};
    QString m_home;
    QString m_folder;
    VirtualScreen m_screen;
    std::unique_ptr<XDriver> m_x;
    std::unique_ptr<ProgramScreen> m_on;
    ChildProcess m_program;
};

}  // namespace wine_e2e
