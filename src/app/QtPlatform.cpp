#include "app/QtPlatform.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QUrl>

QStringList QtPlatform::nameFilters(const QString& filter)
{
    const QStringList items = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < items.size(); i += 2) {
        // "*.*" means every file, names without a dot included.
        QString pattern = items[i + 1];
        if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
        result << QStringLiteral("%1 (%2)").arg(items[i], pattern.replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return result;
}

void QtPlatform::showCommonDialog(QWidget* owner, DialogAction action, CommonDialogState& state)
{
    if (action == DialogAction::Color) {
        QColorDialog dialog(QColor(redOf(state.colour), greenOf(state.colour), blueOf(state.colour)), owner);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() == QDialog::Accepted) {
            const QColor c = dialog.selectedColor();
            state.colour = rgbColour(c.red(), c.green(), c.blue());
        }
        return;
    }
    QFileDialog dialog(owner, state.dialogTitle, state.initDir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(nameFilters(state.filter));
    dialog.setDefaultSuffix(QString());
    dialog.setAcceptMode(action == DialogAction::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // Open too takes a typed name that does not exist; the check refuses it afterwards.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!state.fileName.isEmpty()) dialog.selectFile(state.fileName);
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    state.fileName = accepted ? dialog.selectedFiles().constFirst() : QString();
}

MessageAnswer QtPlatform::messageBox(QWidget* owner, const QString& text, const QString& title, MessageIcon icon,
                                     MessageButtons buttons)
{
    QMessageBox box(owner);
    box.setWindowTitle(title.isEmpty() ? kApplicationTitle : title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    const int answer = box.exec();
    if (answer == QMessageBox::Yes) return MessageAnswer::Yes;
    if (answer == QMessageBox::No) return MessageAnswer::No;
    return MessageAnswer::Ok;
}

void QtPlatform::openUrl(const QString& url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

QSize QtPlatform::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(0, 0);
}

void QtPlatform::endProgram(int status)
{
    // Every window goes at once; no close handler gets a say.
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(status);
}

void QtPlatform::keepSettingsAway()
{
    // Qt's dialogs keep their history and custom colours in the user's
    // settings. Point the user scope at a path that cannot be created.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("/dev/null/pintaro"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("/dev/null/pintaro"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("/dev/null/pintaro"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, QStringLiteral("/dev/null/pintaro"));
}
