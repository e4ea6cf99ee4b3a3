#include "pages/PageFile.h"

#include "files/BitmapHeaders.h"
#include "files/ReplaceFile.h"

#include <cstddef>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kRowBytes = ((kPageSize.width - 1) / 32 + 1) * 4;
constexpr int kPixelOffset = 14 + 40 + 2 * 4;
constexpr int kMostNames = 10000;

}  // namespace

std::vector<std::uint8_t> pageBitmap(const InkMask& page)
{
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(kRowBytes * page.size.height);
    std::vector<std::uint8_t> out(kPixelOffset + imageBytes, 0);
    // 72 dots an inch, as the shipped pictures say.
    putBitmapHeaders(out, static_cast<std::uint32_t>(page.size.width), static_cast<std::uint32_t>(page.size.height), 1,
                     kPixelOffset, 2835, 2);
    putLittleEndian(out, 58, 0x00FFFFFF, 4);  // index 0 black, index 1 white
    for (int y = 0; y < page.size.height; ++y) {
        std::uint8_t* row = out.data() + kPixelOffset + static_cast<std::size_t>(page.size.height - 1 - y) * kRowBytes;
        for (int x = 0; x < page.size.width; ++x)
            if (!page.at(x, y)) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    return out;
}

std::string pageStem(const fs::path& source)
{
    std::string stem = source.filename().u8string();
    if (const std::size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0) stem.erase(dot);
    // A name of dots alone would make a hidden file, or none.
    stem.erase(0, stem.find_first_not_of('.'));
    return stem.empty() ? "page" : stem;
}

std::optional<fs::path> savePage(const InkMask& page, const fs::path& folder, const std::string& stem)
{
    const std::vector<std::uint8_t> bytes = pageBitmap(page);
    for (int n = 1; n <= kMostNames; ++n) {
        const std::string name = n == 1 ? stem : stem + " (" + std::to_string(n) + ")";
        const fs::path target = folder / fs::u8path(name + ".bmp");
        const ReplaceResult result = placeNewFile(target, bytes.data(), bytes.size());
        if (result.failedAt == ReplaceStep::Done) return target;
        if (result.error != std::errc::file_exists) return std::nullopt;
    }
    return std::nullopt;
}
