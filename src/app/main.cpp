#include "app/Form1.h"
#include "app/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QtPlatform::keepSettingsAway();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pintaro"));
    QApplication::setApplicationDisplayName(QString());
    QtPlatform platform;
    Form1 form(platform);
    if (!form.Form_Load()) return 1;
    form.show();
    return QApplication::exec();
}
