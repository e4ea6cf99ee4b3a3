#include "win32/Win32Platform.h"

#include "print/PrintLayout.h"
#include "raster/CanvasImage.h"
#include "win32/Com.h"
#include "win32/CommonControls.h"
#include "win32/TopDownBitmap.h"

// PrintDlgExW is declared only where COM's interface macros are.
#include <objbase.h>

#include <cderr.h>
#include <commdlg.h>

namespace {

// What the print dialog hands over, given back however the print ends.
struct PrintHandles {
    HGLOBAL devMode = nullptr;
    HGLOBAL devNames = nullptr;
    HDC dc = nullptr;
    PrintHandles() = default;
    PrintHandles(const PrintHandles&) = delete;
    PrintHandles& operator=(const PrintHandles&) = delete;
    ~PrintHandles()
    {
        if (dc) DeleteDC(dc);
        if (devMode) GlobalFree(devMode);
        if (devNames) GlobalFree(devNames);
    }
};

PRINTDLGEXW dialogSettings(HWND owner, DWORD flags, PrintHandles& handles)
{
    PRINTDLGEXW settings{};
    settings.lStructSize = sizeof settings;
    settings.hwndOwner = owner;
    settings.hDevMode = handles.devMode;
    settings.hDevNames = handles.devNames;
    settings.Flags = flags;
    settings.nCopies = 1;
    settings.nStartPage = START_PAGE_GENERAL;
    return settings;
}

PrintResult failed(const char* reason) { return {PrintOutcome::Failed, reason}; }

// What the dialog said went wrong, as the program reports it.
PrintResult dialogFailure()
{
    const DWORD error = CommDlgExtendedError();
    if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) return {PrintOutcome::NoPrinter, {}};
    return failed("The Print Dialog Could Not Be Shown");
}

// The default printer's settings, turned to landscape, so the dialog offers
// that first. False when there is no printer to ask, or it would not say.
bool landscapeDefaults(HWND owner, PrintHandles& handles)
{
    // Without page numbers to offer, no page ranges are asked for.
    PRINTDLGEXW settings = dialogSettings(owner, PD_RETURNDEFAULT | PD_NOPAGENUMS, handles);
    if (PrintDlgExW(&settings) != S_OK) return false;
    handles.devMode = settings.hDevMode;
    handles.devNames = settings.hDevNames;
    if (!handles.devMode) return false;
    if (auto* mode = static_cast<DEVMODEW*>(GlobalLock(handles.devMode))) {
        mode->dmFields |= DM_ORIENTATION;
        mode->dmOrientation = DMORIENT_LANDSCAPE;
        GlobalUnlock(handles.devMode);
    }
    return true;
}

PrintResult printPage(HDC dc, const CanvasImage& image)
{
    const PixelRect place = canvasPlaceOnPage({GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES),
                                               GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)});
    if (place.isEmpty()) return failed("The Printer Reported No Page To Print On");
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = L"Pintaro";
    if (StartDocW(dc, &document) <= 0) return failed("The Printer Didn't Take The Job");
    const BITMAPINFO picture = topDownBitmapInfo(CanvasImage::kWidth, CanvasImage::kHeight);
    // Whole pixels as blocks: no blending of neighbours.
    const bool drawn = StartPage(dc) > 0 && SetStretchBltMode(dc, COLORONCOLOR) != 0 &&
                       StretchDIBits(dc, place.left, place.top, place.width, place.height, 0, 0, CanvasImage::kWidth,
                                     CanvasImage::kHeight, image.words(), &picture, DIB_RGB_COLORS, SRCCOPY) > 0 &&
                       EndPage(dc) > 0;
    if (!drawn) {
        AbortDoc(dc);
        return failed("The Page Could Not Be Sent To The Printer");
    }
    if (EndDoc(dc) <= 0) return failed("The Printer Stopped The Job");
    return {PrintOutcome::Printed, {}};
}

}  // namespace

PrintResult Win32Platform::printImage(const CanvasImage& image)
{
    useCom();
    const CommonControls look;
    PrintHandles handles;
    if (!landscapeDefaults(m_owner, handles)) return dialogFailure();
    PRINTDLGEXW settings =
        dialogSettings(m_owner, PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_NOCURRENTPAGE, handles);
    const HRESULT shown = PrintDlgExW(&settings);
    // Whatever the dialog kept or replaced is ours to free.
    handles.devMode = settings.hDevMode;
    handles.devNames = settings.hDevNames;
    handles.dc = settings.hDC;
    if (shown != S_OK) return dialogFailure();
    if (settings.dwResultAction != PD_RESULT_PRINT) return {PrintOutcome::Cancelled, {}};
    if (!handles.dc) return failed("The Printer Could Not Be Reached");
    return printPage(handles.dc, image);
}
