#include "support/ScriptedPlatform.h"

void ScriptedPlatform::showCommonDialog(DialogAction action, CommonDialogState& state)
{
    dialogs.push_back({action, state});
    if (duringDialog) duringDialog(action, state);
    if (action == DialogAction::Color) {
        if (!m_colourAnswers.empty()) {
            if (m_colourAnswers.front()) state.colour = *m_colourAnswers.front();
            m_colourAnswers.pop_front();
        }
        return;
    }
    state.fileName.clear();
    if (!m_fileAnswers.empty()) {
        state.fileName = m_fileAnswers.front();
        m_fileAnswers.pop_front();
    }
}

MessageAnswer ScriptedPlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                           MessageButtons buttons)
{
    messages.push_back({text, title, icon, buttons});
    if (!m_messageAnswers.empty()) {
        const MessageAnswer a = m_messageAnswers.front();
        m_messageAnswers.pop_front();
        return a;
    }
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}
