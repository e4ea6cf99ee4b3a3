#pragma once

#include "app/Platform.h"

// The platform as a person meets it: Qt's own (non-native) file and colour
// dialogs, QMessageBox, QDesktopServices and the primary screen.
class QtPlatform : public Platform {
public:
    void showCommonDialog(QWidget* owner, DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const QString& url) override;
    QSize screenSize() override;
    void endProgram(int status) override;

    // Keeps Qt's dialogs from reading or writing a settings file: the program
    // writes nothing but the pictures a child saves.
    static void keepSettingsAway();

    // "BMP Files|*.bmp|All Files|*.*" as QFileDialog name filters.
    static QStringList nameFilters(const QString& filter);
};
