#include "qt/QtPlatform.h"

#include "qt/QtPrinting.h"
#include "qt/QtImageDecoder.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
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

QString QtPlatform::qtPath(const std::filesystem::path& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path QtPlatform::corePath(const QString& path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

void QtPlatform::showCommonDialog(DialogAction action, CommonDialogState& state)
{
    QWidget* owner = m_owner.data();
    if (action == DialogAction::Color) {
        QColorDialog dialog(QColor(redOf(state.colour), greenOf(state.colour), blueOf(state.colour)), owner);
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        if (dialog.exec() == QDialog::Accepted) {
            const QColor c = dialog.selectedColor();
            state.colour = rgbColour(c.red(), c.green(), c.blue());
        }
        return;
    }
    QFileDialog dialog(owner, QString::fromStdString(state.dialogTitle), qtPath(state.initDir));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(nameFilters(QString::fromStdString(state.filter)));
    dialog.setDefaultSuffix(QString());
    dialog.setAcceptMode(action == DialogAction::Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // Open too takes a typed name that does not exist; the check refuses it afterwards.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!state.fileName.empty()) dialog.selectFile(qtPath(state.fileName));
    const bool accepted = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    state.fileName = accepted ? corePath(dialog.selectedFiles().constFirst()) : std::filesystem::path();
}

MessageAnswer QtPlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                     MessageButtons buttons)
{
    QMessageBox box(m_owner.data());
    box.setWindowTitle(QString::fromStdString(title.empty() ? std::string(kApplicationTitle) : title));
    box.setText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
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

void QtPlatform::openUrl(const std::string& url)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url), QUrl::TolerantMode));
}

ScreenSize QtPlatform::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    return {screen->geometry().width(), screen->geometry().height()};
}

std::filesystem::path QtPlatform::programFolder()
{
    const QString resolved = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    return corePath(resolved.isEmpty() ? QCoreApplication::applicationDirPath() : resolved);
}

// Qt follows the XDG user directories, as xdg-user-dir does, with ~/Pictures
// when none is set.
std::filesystem::path QtPlatform::userPicturesFolder()
{
    return corePath(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

void QtPlatform::endProgram(int status)
{
    // Every window goes at once; no close handler gets a say.
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
    QCoreApplication::exit(status);
}

PrintResult QtPlatform::printImage(const CanvasImage& image)
{
    // Loaded once, at the first print, and kept.
    static const auto print =
        reinterpret_cast<PrintEntry>(QLibrary::resolve(qtPath(programFolder() / "pintaro-print"), kPrintEntry));
    if (!print) return {PrintOutcome::Failed, "Printing Isn't Installed"};
    PrintResult result;
    print(&image, m_owner.data(), &result);
    return result;
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

DecodedImage QtPlatform::imageSize(const std::filesystem::path& file)
{
    return qtImageSize(qtPath(file));
}

DecodedImage QtPlatform::decodeImage(const std::filesystem::path& file, int width, int height)
{
    return qtDecodeImage(qtPath(file), width, height);
}
