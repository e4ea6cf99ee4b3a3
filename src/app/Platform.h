#pragma once

#include "raster/Colour.h"

#include <QSize>
#include <QString>

class QWidget;

// Which common dialog an action shows.
enum class DialogAction { Open = 1, SaveAs = 2, Color = 3 };

// The settings of one use of the common dialogs, and what it gives back:
// after OK `fileName` holds the chosen path (Open, Save As) or `colour` the
// chosen colour (Color); after Cancel `fileName` is "" and `colour` keeps
// its preset.
struct CommonDialogState {
    QString fileName;
    QString dialogTitle;
    QString filter;      // "Description|pattern|Description|pattern"
    QString initDir;
    Colour colour = 0;
    std::uint32_t flags = 0;
};

constexpr std::uint32_t kOfnHideReadOnly = 4;
constexpr std::uint32_t kCcFullOpen = 2;

enum class MessageIcon { None, Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// Everything the program shows modally or asks of the outside. The Qt
// implementation talks to a person; the tests' one answers from a script.
class Platform {
public:
    virtual ~Platform() = default;

    // Shows the dialog modal to `owner` and returns when it closes.
    virtual void showCommonDialog(QWidget* owner, DialogAction action, CommonDialogState& state) = 0;
    // Texts with two lines join them with "\r\n". An empty title means the
    // application title.
    virtual MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& title,
                                     MessageIcon icon, MessageButtons buttons) = 0;
    // The result is the platform's business; the program does not look at it.
    virtual void openUrl(const QString& url) = 0;
    // In screen pixels; a screen that cannot be read reports 0 by 0.
    virtual QSize screenSize() = 0;
    // Ends the program at once with this status, closing all its windows.
    virtual void endProgram(int status) = 0;
};

inline const QString kApplicationTitle = QStringLiteral("The Tovella Vadovov Rurira Pintaro");
inline const QString kErrorTitle = QStringLiteral("Pintaro v1.0 [Error]");
