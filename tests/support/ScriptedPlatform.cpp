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

DecodedImage ScriptedPlatform::imageSize(const std::filesystem::path& file)
{
    const auto found = images.find(file);
    if (found == images.end()) return {ImageProblem::NotAnImage, 0, 0, {}};
    const DecodedImage& image = found->second.image;
    return {image.problem, image.width, image.height, {}};
}

DecodedImage ScriptedPlatform::decodeImage(const std::filesystem::path& file, int width, int height)
{
    decodes.push_back({file, width, height});
    const auto found = images.find(file);
    if (found == images.end()) return {ImageProblem::NotAnImage, 0, 0, {}};
    const DecodedImage& image = found->second.image;
    if (image.problem != ImageProblem::None || found->second.atDecode != ImageProblem::None)
        return {image.problem != ImageProblem::None ? image.problem : found->second.atDecode, 0, 0, {}};
    DecodedImage out{ImageProblem::None, width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.pixels[std::size_t(y) * width + x] =
                image.pixels[std::size_t(std::int64_t{y} * image.height / height) * image.width + std::size_t(std::int64_t{x} * image.width / width)];
    return out;
}
