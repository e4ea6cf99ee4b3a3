#pragma once

#include "app/Platform.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

// The platform as a person meets it: Qt's own (non-native) file and colour
// dialogs, QMessageBox, QDesktopServices and the primary screen.
class QtPlatform : public Platform {
public:
    // The window the dialogs and message boxes are modal to.
    void setOwner(QWidget* owner) { m_owner = owner; }

    void showCommonDialog(DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const std::string& url) override;
    ScreenSize screenSize() override;
    std::filesystem::path programFolder() override;
    std::filesystem::path userPicturesFolder() override;
    void endProgram(int status) override;
    PrintResult printImage(const CanvasImage& image) override;
    DecodedImage imageSize(const std::filesystem::path& file) override;
    DecodedImage decodeImage(const std::filesystem::path& file, int width, int height) override;

    // Keeps Qt's dialogs from reading or writing a settings file: the program
    // writes nothing but the pictures a child saves.
    static void keepSettingsAway();

    // "BMP Files|*.bmp|All Files|*.*" as QFileDialog name filters.
    static QStringList nameFilters(const QString& filter);

    // Between the core's paths and Qt's names for them.
    static QString qtPath(const std::filesystem::path& path);
    static std::filesystem::path corePath(const QString& path);

private:
    QPointer<QWidget> m_owner;
};
