#include "app/Form1.h"
#include "qt/QtMainWindow.h"
#include "qt/QtPlatform.h"

#include <QApplication>
#include <QTimer>

#include <vector>

int main(int argc, char* argv[])
{
    QtPlatform::keepSettingsAway();
    QApplication app(argc, argv);
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
