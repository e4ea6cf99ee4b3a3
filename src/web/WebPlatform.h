#pragma once

#include "app/Platform.h"

// The platform facilities in a browser: the page's own dialogs and message
// boxes in the program's style, a new tab for links, the program's files in
// the page's file system (see main.cpp), and the end shown on the page.
class WebPlatform : public Platform {
public:
    // The program's folder in the page's file system: pics/ holds the
    // shipped pictures, pics/mypics the artwork kept in the browser.
    static constexpr char kProgramFolder[] = "/pintaro";

    void showCommonDialog(DialogAction action, CommonDialogState& state) override;
    MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                             MessageButtons buttons) override;
    void openUrl(const std::string& url) override;
    ScreenSize screenSize() override;
    std::filesystem::path programFolder() override { return kProgramFolder; }
    // Kept in the browser like the artwork; the pages made from the child's
    // own images go into its Pintaro folder, which the Open dialog shows.
    std::filesystem::path userPicturesFolder() override { return "/pintaro/pics"; }
    void endProgram(int status) override;
    // The page prints the canvas as shown, which is the image.
    PrintResult printImage(const CanvasImage& image) override;
    DecodedImage imageSize(const std::filesystem::path& file) override;
    DecodedImage decodeImage(const std::filesystem::path& file, int width, int height) override;
};
