#include "app/Form1.h"
#include "qt/QtMainWindow.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <system_error>
#include <thread>
#include <vector>

int main(int argc, char* argv[])
{
    QtPlatform::keepSettingsAway();
    // Reading the font configuration takes milliseconds that a second core
    // can spend while this one connects to the display. Nothing waits for
    // it: fontconfig keeps whichever reading ends first, this or the first
    // caption's.
    std::thread fontConfiguration;
    try {
        fontConfiguration = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
    QApplication app(argc, argv);
    // Ended while the application lives: Qt frees the configuration as it goes.
    const auto endFontConfiguration = qScopeGuard([&fontConfiguration] {
        if (fontConfiguration.joinable()) fontConfiguration.join();
    });
    QApplication::setApplicationName(QStringLiteral("pintaro"));
    QApplication::setApplicationDisplayName(QString());
    QtPlatform platform;
    QtMainWindow window;
    platform.setOwner(&window);
    Form1 form(window, platform);
    window.attach(form);
    if (!form.Form_Load()) return 1;
    window.show();
    // Pictures named on the command line, once the window is up.
    std::vector<std::filesystem::path> pages;
    for (const QString& argument : QApplication::arguments().mid(1)) pages.push_back(QtPlatform::corePath(argument));
    if (!pages.empty()) QTimer::singleShot(0, &window, [&form, pages] { form.ImportPages(pages); });
    return QApplication::exec();
}
