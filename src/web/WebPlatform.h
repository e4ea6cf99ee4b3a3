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
    std::filesystem::path userPicturesFolder() override { return {}; }
    void endProgram(int status) override;
    // Printing and colouring pages are not part of the web edition yet: no
    // key or drop reaches them.
    PrintResult printImage(const CanvasImage&) override { return {PrintOutcome::NoPrinter, {}}; }
    DecodedImage imageSize(const std::filesystem::path&) override { return notAnImage(); }
    DecodedImage decodeImage(const std::filesystem::path&, int, int) override { return notAnImage(); }

private:
    static DecodedImage notAnImage()
    {
        DecodedImage none;
        none.problem = ImageProblem::NotAnImage;
        return none;
    }
};
