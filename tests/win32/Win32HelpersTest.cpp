// The Win32 front-end's translations that no window shows: text between
// UTF-8 and UTF-16, the file dialogs' filter, the mouse's VB codes; and the
// common controls the dialogs are made with.

#include "win32/CanvasView.h"
#include "win32/CommonControls.h"
#include "win32/Text.h"
#include "win32/Win32Platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

TEST(Win32Text, RoundTripsEveryPlaneAndReplacesBrokenUtf8)
{
    // Greek, Japanese and an emoji outside the 16-bit plane.
    const std::string utf8 = "\xCE\xA0\xCE\xB1\xCE\xB9\xCE\xB4\xCE\xAF \xE5\xAD\x90\xE4\xBE\x9B \xF0\x9F\x98\x80";
    const std::wstring wide = wideText(utf8);
    EXPECT_EQ(wide, std::wstring(L"\u03A0\u03B1\u03B9\u03B4\u03AF \u5B50\u4F9B \xD83D\xDE00"));
    EXPECT_EQ(utf8Text(wide), utf8);
    EXPECT_EQ(wideText(""), L"");
    EXPECT_EQ(wideText("a\xFF" "b"), std::wstring(L"a\uFFFDb"));
}

TEST(Win32Platform, FilterBecomesNulSeparatedPairsEndedTwice)
{
    const std::wstring filter = Win32Platform::dialogFilter("BMP Files|*.bmp|All Files|*.*");
    const wchar_t expected[] = L"BMP Files\0*.bmp\0All Files\0*.*\0";  // and the string's own NUL
    EXPECT_EQ(filter, std::wstring(expected, sizeof expected / sizeof expected[0] - 1));
    EXPECT_EQ(filter.c_str()[filter.size()], L'\0');
}

TEST(Win32Platform, FileDialogsAreGivenTheirFolderInTheFileName)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::filesystem::path missing = folder / L"no such folder";
    EXPECT_EQ(Win32Platform::startingName(folder, L"").wstring(), (folder / L"").wstring());
    EXPECT_EQ(Win32Platform::startingName(folder, L"cat.bmp").wstring(), (folder / L"cat.bmp").wstring());
    EXPECT_EQ(Win32Platform::startingName(folder, L"C:\\x\\cat.bmp").wstring(), L"C:\\x\\cat.bmp");
    // Where the folder is missing the platform chooses.
    EXPECT_EQ(Win32Platform::startingName(missing, L"").wstring(), L"");
    // A bare name coming back means the folder the dialog started in.
    EXPECT_EQ(Win32Platform::chosenPath(folder, L"here.bmp").wstring(), (folder / L"here.bmp").wstring());
    EXPECT_EQ(Win32Platform::chosenPath(folder, L"C:\\x\\here.bmp").wstring(), L"C:\\x\\here.bmp");
}

TEST(Win32Canvas, MouseCodesAreVisualBasics)
{
    EXPECT_EQ(CanvasView::buttonOf(WM_LBUTTONDOWN), 1);
    EXPECT_EQ(CanvasView::buttonOf(WM_RBUTTONUP), 2);
    EXPECT_EQ(CanvasView::buttonOf(WM_MBUTTONDOWN), 4);
    EXPECT_EQ(CanvasView::heldButtons(MK_LBUTTON | MK_MBUTTON | MK_SHIFT), 5);
    EXPECT_EQ(CanvasView::heldButtons(MK_RBUTTON), 2);
    EXPECT_EQ(CanvasView::shiftOf(MK_SHIFT | MK_CONTROL | MK_LBUTTON, false), 3);
    EXPECT_EQ(CanvasView::shiftOf(0, true), 4);
}

// Dialogs get common controls 6 from the context made around them; outside
// it the program's windows are classic, so start-up need not load them.
TEST(Win32CommonControls, VersionSixOnlyWhileInEffect)
{
    // Windows made as buttons are common controls 6's where the context in
    // effect sends the class there.
    const auto buttonsAreVersionSix = [] {
        ACTCTX_SECTION_KEYED_DATA found{};
        found.cbSize = sizeof found;
        return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_WINDOW_CLASS_REDIRECTION, L"Button",
                                        &found) != FALSE;
    };
    {
        const CommonControls look;
        ASSERT_TRUE(look.active());
        EXPECT_TRUE(buttonsAreVersionSix());
    }
    EXPECT_FALSE(buttonsAreVersionSix());
}
