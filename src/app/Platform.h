#pragma once

#include "raster/Colour.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Interface to the platform facilities the program calls: the common
// dialogs, message boxes, opening a URL, the screen, the program's folder and
// ending the program. Each front-end implements it with its own system's
// services; the tests' implementation answers from a script.

// Which common dialog an action shows.
enum class DialogAction { Open = 1, SaveAs = 2, Color = 3 };

// The settings of one use of the common dialogs, and what it gives back:
// after OK `fileName` holds the chosen path (Open, Save As) or `colour` the
// chosen colour (Color); after Cancel `fileName` is empty and `colour` keeps
// its preset.
struct CommonDialogState {
    std::filesystem::path fileName;
    std::string dialogTitle;
    std::string filter;  // "Description|pattern|Description|pattern"
    std::filesystem::path initDir;
    Colour colour = 0;
    std::uint32_t flags = 0;
};

constexpr std::uint32_t kOfnHideReadOnly = 4;
constexpr std::uint32_t kCcFullOpen = 2;

enum class MessageIcon { None, Critical, Information };
enum class MessageButtons { Ok, YesNo };  // Yes is the default of Yes and No
enum class MessageAnswer { Ok, Yes, No };

// How a print ended. `reason` says, in the program's Title Case, why a job
// failed.
enum class PrintOutcome { Printed, Cancelled, NoPrinter, Failed };
struct PrintResult {
    PrintOutcome outcome = PrintOutcome::Failed;
    std::string reason;
};

class CanvasImage;

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// An image file read by the system's decoders, for a colouring page.
enum class ImageProblem { None, NotAnImage, Damaged, TooLarge, Folder, Unreadable };
struct DecodedImage {
    ImageProblem problem = ImageProblem::None;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, not premultiplied, rows top down
};

class Platform {
public:
    virtual ~Platform() = default;

    // Shows the dialog modal to the main window and returns when it closes.
    virtual void showCommonDialog(DialogAction action, CommonDialogState& state) = 0;
    // Texts are UTF-8; two lines are joined by "\r\n". An empty title means
    // the application title.
    virtual MessageAnswer messageBox(const std::string& text, const std::string& title, MessageIcon icon,
                                     MessageButtons buttons) = 0;
    // The result is the platform's business; the program does not look at it.
    virtual void openUrl(const std::string& url) = 0;
    // In layout units, one pixel at 96 dpi; a screen that cannot be read
    // reports 0 by 0.
    virtual ScreenSize screenSize() = 0;
    // The folder that holds the program's executable, links resolved.
    virtual std::filesystem::path programFolder() = 0;
    // The user's own Pictures folder; empty when it cannot be found.
    virtual std::filesystem::path userPicturesFolder() = 0;
    // Ends the program at once with this status, closing all its windows;
    // no handler runs after it.
    virtual void endProgram(int status) = 0;
    // The system's print dialog, landscape unless the user turns the page,
    // then one page with the image where canvasPlaceOnPage puts it: each
    // pixel a sharp block, in the colours shown, nothing else on the page.
    virtual PrintResult printImage(const CanvasImage& image) = 0;
    // The image's width and height from its header, no pixels.
    virtual DecodedImage imageSize(const std::filesystem::path& file) = 0;
    // The image at exactly width by height; a decoder that can decode at a
    // reduced size does, so the full-size image is never held.
    virtual DecodedImage decodeImage(const std::filesystem::path& file, int width, int height) = 0;
};

inline constexpr char kApplicationTitle[] = "The Tovella Vadovov Rurira Pintaro";
inline constexpr char kErrorTitle[] = "Pintaro v1.0 [Error]";
// Joins the two lines of a message box's text.
inline const std::string kLineBreak = "\r\n";
