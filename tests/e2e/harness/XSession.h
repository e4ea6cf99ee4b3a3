#pragma once

// A real X display for end-to-end runs: a private Xvfb server, the program
// started on it, and the keyboard, mouse and screen reached through
// xdotool and ImageMagick as a person at the screen would reach them.

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

struct ToolResult {
    bool finished = false;  // false: did not start or ran past its time
    int exitCode = -1;
    QByteArray output;      // standard output only
    QByteArray errors;
};

// Runs a command to the end, or kills it after `timeoutMs`.
ToolResult runTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000,
                   const std::optional<QProcessEnvironment>& environment = std::nullopt,
                   const QString& workingDirectory = QString());

// A child process that is killed, whatever way the test leaves.
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    // Standard output is kept for reading only when asked for; standard
    // error goes to the file set beforehand, or is dropped.
    bool start(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
               bool readOutput = false, const QString& workingDirectory = QString());
    void setErrorFile(const QString& path) { m_errorFile = path; }
    bool running() const;
    // For failure messages: whether it still runs, how it ended, what it said.
    std::string describe() const;
    // Waits for the process to end by itself; its exit code, or nothing.
    std::optional<int> waitForExit(int timeoutMs);
    QProcess* process() { return m_process.get(); }
    void stop();

private:
    std::unique_ptr<QProcess> m_process;
    QString m_errorFile;
};

// A private Xvfb server on the first free display from :90 on.
class VirtualScreen {
public:
    // Empty string when the server is up; otherwise why it is not.
    QString start(int width, int height);
    QString display() const { return m_display; }

private:
    ChildProcess m_server;
    QString m_display;
};

// The keyboard, the mouse, windows and the screen of one display.
class XDriver {
public:
    explicit XDriver(QString display) : m_display(std::move(display)) {}

    // Mapped windows whose title matches the extended regular expression.
    QStringList windows(const QString& titlePattern) const;
    // The first such window within the time, or an empty string.
    QString waitForWindow(const QString& titlePattern, int timeoutMs = 30000) const;
    bool waitUntilGone(const QString& titlePattern, int timeoutMs = 10000) const;
    // The window's place and size on the screen.
    std::optional<QRect> geometry(const QString& window) const;
    // Gives the window the keyboard; there is no window manager to do it.
    bool focus(const QString& window) const;

    bool click(QPoint at) const;
    // All in one go, with no pause between them.
    bool clicks(const QList<QPoint>& points) const;
    // Press at the first point, move through the others, release at the last;
    // a pause between moves makes each one an event of its own.
    bool drag(const QList<QPoint>& path, int pauseMs = 0) const;
    bool type(const QString& text) const;
    bool key(const QString& keyName, int times = 1) const;

    QImage screenshot() const;
    // The screen once `ready` holds and two shots in a row agree, since
    // controls paint one by one; the last shot after `timeoutMs` otherwise.
    QImage settledScreenshot(const std::function<bool(const QImage&)>& ready, int timeoutMs = 10000) const;

private:
    bool xdotool(const QStringList& arguments) const;

    QString m_display;
};

// The environment for a program on `display`, its home and settings in `home`.
QProcessEnvironment programEnvironment(const QString& display, const QString& home);
