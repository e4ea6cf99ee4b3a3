#include "app/Form1.h"
#include "qt/QtMainWindow.h"
#include "qt/QtPlatform.h"

#include <QApplication>

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
    return QApplication::exec();
}
