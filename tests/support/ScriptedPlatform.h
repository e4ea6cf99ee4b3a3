#pragma once

#include "app/Platform.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
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
        std::string text;
        std::string title;
        MessageIcon icon;
        MessageButtons buttons;
    };

    void answerFileDialog(const std::filesystem::path& path) { m_fileAnswers.push_back(path); }
    void cancelFileDialog() { m_fileAnswers.push_back({}); }
    void answerColourDialog(Colour colour) { m_colourAnswers.push_back(colour); }
    void cancelColourDialog() { m_colourAnswers.push_back(std::nullopt); }
    void answerMessage(MessageAnswer answer) { m_messageAnswers.push_back(answer); }
    // Runs inside the next dialogs, before they answer (to change files meanwhile, say).
    std::function<void(DialogAction, const CommonDialogState&)> duringDialog;

    void showCommonDialog(DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const std::string& url) override { urls.push_back(url); }
    ScreenSize screenSize() override { return screen; }
    std::filesystem::path programFolder() override { return folder; }
    std::filesystem::path userPicturesFolder() override { return pictures; }
    void endProgram(int status) override { endStatuses.push_back(status); }
    // Answers with `printAnswer`; records which image it was given.
    PrintResult printImage(const CanvasImage& image) override
    {
        printed.push_back(&image);
        return printAnswer;
    }
    DecodedImage imageSize(const std::filesystem::path& file) override;
    DecodedImage decodeImage(const std::filesystem::path& file, int width, int height) override;

    bool allAnswersUsed() const
    {
        return m_fileAnswers.empty() && m_colourAnswers.empty() && m_messageAnswers.empty();
    }

    ScreenSize screen{1024, 768};
    std::filesystem::path folder = "/opt/pintaro";
    std::filesystem::path pictures;
    std::vector<DialogRequest> dialogs;
    std::vector<MessageRequest> messages;
    std::vector<std::string> urls;
    std::vector<int> endStatuses;
    PrintResult printAnswer{PrintOutcome::Cancelled, {}};
    std::vector<const CanvasImage*> printed;

    // The images the decoder knows, by path: an image's header problem, or
    // its pixels, served at any size asked by picking the nearest; with
    // `atDecode` the header reads and the decoding fails. Other paths are
    // no images.
    struct ScriptedImage {
        DecodedImage image;
        ImageProblem atDecode = ImageProblem::None;
    };
    std::map<std::filesystem::path, ScriptedImage> images;
    struct DecodeRequest {
        std::filesystem::path file;
        int width;
        int height;
    };
    std::vector<DecodeRequest> decodes;

private:
    std::deque<std::filesystem::path> m_fileAnswers;
    std::deque<std::optional<Colour>> m_colourAnswers;
    std::deque<MessageAnswer> m_messageAnswers;
};
