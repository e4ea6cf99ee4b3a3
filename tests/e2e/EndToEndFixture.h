#pragma once

// The real program in a real window: a private X server, the mouse and
// keyboard driven as a child would drive them, Qt's own dialogs, and the
// files the program writes read back pixel for pixel.

#include "ProgramScreen.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#ifndef PINTARO_PROGRAM
#error "PINTARO_PROGRAM must name the program under test"
#endif

namespace e2e {

// The resident memory of a process in megabytes, from the kernel's account:
// now (VmRSS) or at its peak (VmHWM).
inline std::optional<double> residentMegabytes(qint64 pid, const QByteArray& field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return std::nullopt;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field)) return line.mid(field.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return std::nullopt;
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryIsTheProgramsOwn = false;  // the sanitizer's shadow and quarantine dwarf it
#else
constexpr bool kMemoryIsTheProgramsOwn = true;
#endif

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_work.isValid());
        m_home = m_work.filePath(QStringLiteral("home"));
        ASSERT_TRUE(QDir().mkpath(m_home));
    }

    // The server is required: without it the run fails, never skips.
    void startScreen(int width, int height)
    {
        const QString problem = m_screen.start(width, height);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
        m_x = std::make_unique<XDriver>(m_screen.display());
        // Without a window manager the client area is at the screen's
        // origin, and the dialogs must be given the keyboard.
        m_on = std::make_unique<ProgramScreen>(*m_x, QPoint(0, 0), QPoint(10, 10), true);
    }

    void startProgram(const QString& program = QStringLiteral(PINTARO_PROGRAM), const QStringList& arguments = {})
    {
        m_program.setErrorFile(m_work.filePath(QStringLiteral("program-messages.txt")));
        ASSERT_TRUE(m_program.start(program, arguments, programEnvironment(m_screen.display(), m_home), false, m_home))
            << "cannot start " << program.toStdString();
    }

    // The program on a 1024 by 768 screen, until its main window shows.
    void showMainWindow(const QString& program = QStringLiteral(PINTARO_PROGRAM))
    {
        ASSERT_NO_FATAL_FAILURE(startScreen(1024, 768));
        ASSERT_NO_FATAL_FAILURE(startProgram(program));
        m_window = m_x->waitForWindow(kMainTitle);
        ASSERT_FALSE(m_window.isEmpty()) << "the main window never appeared; the program " << m_program.describe();
    }

    QTemporaryDir m_work{QStringLiteral(PINTARO_BINARY_DIR "/e2e-XXXXXX")};
    QString m_window;
    QString m_home;
    // Members end in reverse: the program, then its server, then the files.
    VirtualScreen m_screen;
    std::unique_ptr<XDriver> m_x;
    std::unique_ptr<ProgramScreen> m_on;
    ChildProcess m_program;
};

}  // namespace e2e
