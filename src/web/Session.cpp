#include "web/Session.h"

#include "app/Form1.h"
#include "app/Layout.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr char kMagic[8] = {'P', 'i', 'n', 't', 'a', 'r', 'o', '1'};
constexpr std::size_t kPixels = std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight;

struct Header {
    char magic[8];
    std::int32_t tool, pencilSize, pictureLoaded, swatch;
    std::uint32_t colour;
};

// The swatch the selection frame surrounds, or -1 for a colour of no swatch.
int framedSwatch(const PixelRect& frame)
{
    for (int i = 0; i < static_cast<int>(layout::kPalette.size()); ++i) {
        const PixelRect s = layout::swatchPlace(i);
        if (frame.left < s.left && frame.top < s.top && frame.right() > s.right() && frame.bottom() > s.bottom())
            return i;
    }
    return -1;
}

}  // namespace

namespace session {

bool save(const Form1& form, const PixelRect& selectionFrame, const std::filesystem::path& file)
{
    Header h{};
    std::memcpy(h.magic, kMagic, sizeof kMagic);
    h.tool = form.CurrentTool;
    h.pencilSize = form.PencilSize;
    h.pictureLoaded = form.PictureLoaded;
    h.swatch = framedSwatch(selectionFrame);
    h.colour = form.Picture1.fillColour();
    std::filesystem::path part = file;
    part += ".part";
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(&h), sizeof h);
        out.write(reinterpret_cast<const char*>(form.Picture1.words()),
                  static_cast<std::streamsize>(kPixels * sizeof(CanvasImage::StoredPixel)));
        if (!out.flush()) return false;
    }
    std::error_code error;
    std::filesystem::rename(part, file, error);
    return !error;
}

bool restore(Form1& form, MainWindow& window, const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    Header h{};
    std::vector<CanvasImage::StoredPixel> pixels(kPixels);
    in.read(reinterpret_cast<char*>(&h), sizeof h);
    in.read(reinterpret_cast<char*>(pixels.data()), static_cast<std::streamsize>(pixels.size() * sizeof pixels[0]));
    const bool whole = in && in.peek() == std::char_traits<char>::eof();
    if (!whole || std::memcmp(h.magic, kMagic, sizeof kMagic) != 0 || h.tool < 0 || h.tool > 3 || h.pencilSize < 0
        || h.pencilSize > 2 || h.swatch >= static_cast<int>(layout::kPalette.size()))
        return false;

    form.Label3_Click(static_cast<std::int16_t>(h.pencilSize));
    if (h.swatch >= 0)
        form.Label1_Click(static_cast<std::int16_t>(h.swatch));
    else
        form.takeUnlistedColour(h.colour);
    form.Command3_Click(static_cast<std::int16_t>(h.tool));
    for (int y = 0; y < CanvasImage::kHeight; ++y)
        for (int x = 0; x < CanvasImage::kWidth; ++x)
            form.Picture1.storePixel(x, y, CanvasImage::fromStored(pixels[std::size_t(y) * CanvasImage::kWidth + x]));
    if (h.pictureLoaded == 1) {
        form.PictureLoaded = 1;
        window.setSaveButtonEnabled(true);
    }
    window.refreshCanvas();
    return true;
}

}  // namespace session
