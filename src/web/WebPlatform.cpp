#include "web/WebPlatform.h"

#include "app/Layout.h"
#include "web/Page.h"

#include <array>

void WebPlatform::showCommonDialog(DialogAction action, CommonDialogState& state)
{
    if (action == DialogAction::Color) {
        const int chosen = page_colourDialog(state.colour);
        if (chosen >= 0) state.colour = static_cast<Colour>(chosen);
        return;
    }
    std::array<char, 4096> chosen{};
    const bool ok = page_fileDialog(static_cast<int>(action), state.dialogTitle.c_str(), state.initDir.c_str(),
                                    chosen.data(), static_cast<int>(chosen.size())) != 0;
    state.fileName = ok ? std::filesystem::path(chosen.data()) : std::filesystem::path();
}

MessageAnswer WebPlatform::messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                      MessageButtons buttons)
{
    const int iconCode = icon == MessageIcon::Critical ? 1 : icon == MessageIcon::Information ? 2 : 0;
    const int answer = page_messageBox(text.c_str(), title.empty() ? kApplicationTitle : title.c_str(), iconCode,
                                       buttons == MessageButtons::YesNo ? 1 : 0);
    return answer == 1 ? MessageAnswer::Yes : answer == 2 ? MessageAnswer::No : MessageAnswer::Ok;
}

void WebPlatform::openUrl(const std::string& url)
{
    page_openUrl(url.c_str());
}

ScreenSize WebPlatform::screenSize()
{
    // The page scales the window to whatever the browser gives it, so the
    // window is the screen: the About dialog centres on it.
    return {layout::kOuterWidth, layout::kOuterHeight};
}

void WebPlatform::endProgram(int status)
{
    page_endProgram(status);
}

PrintResult WebPlatform::printImage(const CanvasImage&)
{
    page_print();
    // The browser does not say whether the dialog printed or was cancelled.
    return {PrintOutcome::Printed, {}};
}

namespace {

ImageProblem problemOf(int code)
{
    if (code < 0 || code > static_cast<int>(ImageProblem::Unreadable)) return ImageProblem::Damaged;
    return static_cast<ImageProblem>(code);
}

}  // namespace

DecodedImage WebPlatform::imageSize(const std::filesystem::path& file)
{
    DecodedImage size;
    size.problem = problemOf(page_decodeImage(file.c_str(), 0, &size.width, &size.height, nullptr));
    return size;
}

DecodedImage WebPlatform::decodeImage(const std::filesystem::path& file, int width, int height)
{
    DecodedImage image;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    image.width = width;
    image.height = height;
    image.problem = problemOf(page_decodeImage(file.c_str(), 1, &image.width, &image.height, image.pixels.data()));
    if (image.problem != ImageProblem::None) image.pixels.clear();
    return image;
}
