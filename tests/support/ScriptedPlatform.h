#pragma once

#include "app/Platform.h"

#include <deque>
#include <functional>
#include <optional>
#include <vector>

// The platform as the tests script it: every request is recorded, and the
// answers come from queues the test fills. An unscripted dialog is
// cancelled, an unscripted message box answered with its first button.
class ScriptedPlatform : public Platform {
public:
    struct DialogRequest {
        DialogAction action;
        CommonDialogState state;  // the settings as the dialog was shown
    };
    struct MessageRequest {
        QString text;
        QString title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    void answerFileDialog(const QString& path) { m_fileAnswers.push_back(path); }
    void cancelFileDialog() { m_fileAnswers.push_back(QString()); }
    void answerColourDialog(Colour colour) { m_colourAnswers.push_back(colour); }
    void cancelColourDialog() { m_colourAnswers.push_back(std::nullopt); }
    void answerMessage(MessageAnswer answer) { m_messageAnswers.push_back(answer); }
    // Runs inside the next dialogs, before they answer (to change files meanwhile, say).
    std::function<void(DialogAction, const CommonDialogState&)> duringDialog;

    void showCommonDialog(QWidget* owner, DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(QWidget* owner, const QString& text, const QString& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const QString& url) override { urls.push_back(url); }
    QSize screenSize() override { return screen; }
    void endProgram(int status) override { endStatuses.push_back(status); }

    bool allAnswersUsed() const
    {
        return m_fileAnswers.empty() && m_colourAnswers.empty() && m_messageAnswers.empty();
    }

    QSize screen{1024, 768};
    std::vector<DialogRequest> dialogs;
    std::vector<MessageRequest> messages;
    std::vector<QString> urls;
    std::vector<int> endStatuses;

private:
    std::deque<QString> m_fileAnswers;
    std::deque<std::optional<Colour>> m_colourAnswers;
    std::deque<MessageAnswer> m_messageAnswers;
};
