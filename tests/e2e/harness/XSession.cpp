#include "XSession.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

namespace {

constexpr int kPollMs = 40;

QProcessEnvironment displayEnvironment(const QString& display)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), display);
    return environment;
}

}  // namespace

ToolResult runTool(const QString& program, const QStringList& arguments, int timeoutMs,
                   const std::optional<QProcessEnvironment>& environment, const QString& workingDirectory)
{
    ToolResult result;
    QProcess process;
    if (environment) process.setProcessEnvironment(*environment);
    process.setWorkingDirectory(workingDirectory);
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(2000);
        return result;
    }
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    return result;
}

ChildProcess::~ChildProcess()
{
    stop();
}

bool ChildProcess::start(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                         bool readOutput, const QString& workingDirectory)
{
    stop();
    m_process = std::make_unique<QProcess>();
    m_process->setProcessEnvironment(environment);
    // Messages go to a file, never a pipe: a full pipe would stall it.
    m_process->setStandardErrorFile(m_errorFile.isEmpty() ? QProcess::nullDevice() : m_errorFile);
    if (!readOutput) m_process->setStandardOutputFile(QProcess::nullDevice());
    if (!workingDirectory.isEmpty()) m_process->setWorkingDirectory(workingDirectory);
    m_process->start(program, arguments);
    return m_process->waitForStarted(5000);
}

bool ChildProcess::running() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

std::optional<int> ChildProcess::waitForExit(int timeoutMs)
{
    if (!m_process) return std::nullopt;
    if (running() && !m_process->waitForFinished(timeoutMs)) return std::nullopt;
    if (m_process->exitStatus() != QProcess::NormalExit) return std::nullopt;
    return m_process->exitCode();
}

std::string ChildProcess::describe() const
{
    if (!m_process) return "never started";
    // Without an event loop only a wait notices that the child has ended.
    m_process->waitForFinished(0);
    QString text;
    if (running())
        text = QStringLiteral("still running");
    else if (m_process->exitStatus() == QProcess::CrashExit)
        text = QStringLiteral("crashed");
    else
        text = QStringLiteral("ended with exit code %1").arg(m_process->exitCode());
    QFile errors(m_errorFile);
    if (!m_errorFile.isEmpty() && errors.open(QIODevice::ReadOnly))
        text += QStringLiteral("; its messages:\n") + QString::fromLocal8Bit(errors.read(4000));
    return text.toStdString();
}

void ChildProcess::stop()
{
    if (!running()) return;
    m_process->terminate();
    if (!m_process->waitForFinished(3000)) {
        m_process->kill();
        m_process->waitForFinished(3000);
    }
}

QString VirtualScreen::start(int width, int height)
{
    if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
        return QStringLiteral("Xvfb is not installed (Debian package xvfb)");
    if (QStandardPaths::findExecutable(QStringLiteral("xdpyinfo")).isEmpty())
        return QStringLiteral("xdpyinfo is not installed (Debian package x11-utils)");
    const QString screen = QStringLiteral("%1x%2x24").arg(width).arg(height);
    for (int number = 90; number < 190; ++number) {
        const QString display = QStringLiteral(":%1").arg(number);
        // The server writes its display number once it accepts clients;
        // a display already taken makes it exit at once.
        if (!m_server.start(QStringLiteral("Xvfb"),
                            {display, QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                             QStringLiteral("0"), screen, QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                             // A server that resets when its last client leaves
                             // refuses whoever connects during the reset.
                             QStringLiteral("-noreset")},
                            QProcessEnvironment::systemEnvironment(), true))
            return QStringLiteral("Xvfb could not be started");
        QProcess* server = m_server.process();
        const QDeadlineTimer ready(10000);
        while (!server->canReadLine() && m_server.running() && !ready.hasExpired()) server->waitForReadyRead(kPollMs);
        if (!server->canReadLine()) {
            m_server.stop();
            continue;
        }
        const QDeadlineTimer answered(10000);
        while (!answered.hasExpired()) {
            if (!m_server.running()) break;
            if (runTool(QStringLiteral("xdpyinfo"), {QStringLiteral("-display"), display}, 5000).exitCode == 0) {
                m_display = display;
                return QString();
            }
            QThread::msleep(kPollMs);
        }
        m_server.stop();
        return QStringLiteral("Xvfb on %1 started but never answered xdpyinfo").arg(display);
    }
    return QStringLiteral("no free display between :90 and :189");
}

QStringList XDriver::windows(const QString& titlePattern) const
{
    const ToolResult found = runTool(QStringLiteral("xdotool"),
                                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                      QStringLiteral("--name"), titlePattern},
                                     5000, displayEnvironment(m_display));
    return QString::fromLatin1(found.output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString XDriver::waitForWindow(const QString& titlePattern, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        const QStringList found = windows(titlePattern);
        if (!found.isEmpty()) return found.constFirst();
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return QString();
}

bool XDriver::waitUntilGone(const QString& titlePattern, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    do {
        if (windows(titlePattern).isEmpty()) return true;
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return false;
}

std::optional<QRect> XDriver::geometry(const QString& window) const
{
    const ToolResult shell =
        runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window},
                5000, displayEnvironment(m_display));
    if (!shell.finished || shell.exitCode != 0) return std::nullopt;
    QRect rect;
    int seen = 0;
    for (const QString& line : QString::fromLatin1(shell.output).split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char('='), 0, 0);
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (name == QLatin1String("X")) rect.moveLeft(value);
        else if (name == QLatin1String("Y")) rect.moveTop(value);
        else if (name == QLatin1String("WIDTH")) rect.setWidth(value);
        else if (name == QLatin1String("HEIGHT")) rect.setHeight(value);
        else continue;
        ++seen;
    }
    if (seen != 4) return std::nullopt;
    return rect;
}

bool XDriver::focus(const QString& window) const
{
    const QDeadlineTimer deadline(3000);
    do {
        const ToolResult focused =
            runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}, 5000, displayEnvironment(m_display));
        if (QString::fromLatin1(focused.output).trimmed() == window) return true;
        xdotool({QStringLiteral("windowfocus"), window});
        QThread::msleep(kPollMs);
    } while (!deadline.hasExpired());
    return false;
}

bool XDriver::click(QPoint at) const
{
    return xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                    QStringLiteral("click"), QStringLiteral("1")});
}

bool XDriver::clicks(const QList<QPoint>& points) const
{
    QStringList arguments;
    for (const QPoint& at : points)
        arguments << QStringLiteral("mousemove") << QString::number(at.x()) << QString::number(at.y())
                  << QStringLiteral("click") << QStringLiteral("--delay") << QStringLiteral("0") << QStringLiteral("1");
    return xdotool(arguments);
}

bool XDriver::drag(const QList<QPoint>& path, int pauseMs) const
{
    if (path.isEmpty()) return false;
    QStringList arguments{QStringLiteral("mousemove"), QString::number(path.first().x()),
                          QString::number(path.first().y()), QStringLiteral("mousedown"), QStringLiteral("1")};
    for (qsizetype i = 1; i < path.size(); ++i) {
        if (pauseMs > 0) arguments << QStringLiteral("sleep") << QString::number(pauseMs / 1000.0);
        arguments << QStringLiteral("mousemove") << QString::number(path[i].x()) << QString::number(path[i].y());
    }
    arguments << QStringLiteral("mouseup") << QStringLiteral("1");
    return xdotool(arguments);
}

bool XDriver::type(const QString& text) const
{
    return xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("8"), text});
}

bool XDriver::key(const QString& keyName, int times) const
{
    return xdotool({QStringLiteral("key"), QStringLiteral("--repeat"), QString::number(times),
                    QStringLiteral("--delay"), QStringLiteral("5"), keyName});
}

QImage XDriver::screenshot() const
{
    const ToolResult shot = runTool(QStringLiteral("import"),
                                    {QStringLiteral("-display"), m_display, QStringLiteral("-window"),
                                     QStringLiteral("root"), QStringLiteral("png:-")},
                                    10000);
    if (!shot.finished || shot.exitCode != 0) return QImage();
    return QImage::fromData(shot.output, "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage XDriver::settledScreenshot(const std::function<bool(const QImage&)>& ready, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QImage shot = screenshot();
    while (!deadline.hasExpired()) {
        const QImage next = screenshot();
        if (!next.isNull() && next == shot && ready(next)) break;
        shot = next;
    }
    return shot;
}

bool XDriver::xdotool(const QStringList& arguments) const
{
    const ToolResult result = runTool(QStringLiteral("xdotool"), arguments, 10000, displayEnvironment(m_display));
    return result.finished && result.exitCode == 0;
}

QProcessEnvironment programEnvironment(const QString& display, const QString& home)
{
    QProcessEnvironment environment = displayEnvironment(display);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    const QString runtime = home + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("SESSION_MANAGER"));
    // A print server that is not there: no test ever sends a page to one of
    // the machine's printers.
    environment.insert(QStringLiteral("CUPS_SERVER"), home + QStringLiteral("/no-print-server"));
    return environment;
}
