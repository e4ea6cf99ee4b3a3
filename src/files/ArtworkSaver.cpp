#include "files/ArtworkSaver.h"

#include "files/BitmapHeaders.h"
#include "files/ReplaceFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kHeadersSize = 14 + 40;
constexpr std::size_t kRowLength = (CanvasImage::kWidth * 3 + 3) / 4 * 4;
constexpr std::size_t kImageSize = kRowLength * CanvasImage::kHeight;
constexpr std::uint32_t kPelsPerMetre = 3937;  // 100 dots an inch, as saved artwork always said

// The file header, a 40-byte info header, then the rows bottom-up, each
// pixel blue, green, red and each row padded with zeros to 4 bytes.
std::vector<std::uint8_t> artworkBitmap(const CanvasImage& image)
{
    std::vector<std::uint8_t> out(kHeadersSize + kImageSize, 0);
    putBitmapHeaders(out, CanvasImage::kWidth, CanvasImage::kHeight, 24, kHeadersSize, kPelsPerMetre, 0);
    for (int y = 0; y < CanvasImage::kHeight; ++y) {
        std::uint8_t* row = out.data() + kHeadersSize + (CanvasImage::kHeight - 1 - y) * kRowLength;
        for (int x = 0; x < CanvasImage::kWidth; ++x, row += 3) {
            const Colour c = image.pixel(x, y);
            row[0] = static_cast<std::uint8_t>(blueOf(c));
            row[1] = static_cast<std::uint8_t>(greenOf(c));
            row[2] = static_cast<std::uint8_t>(redOf(c));
        }
    }
    return out;
}

// Where a chain of links ends; the name itself when it is no link.
std::optional<fs::path> finalTarget(fs::path at)
{
    std::error_code error;
    for (int hops = 0; hops < 40; ++hops) {
        if (!fs::is_symlink(fs::symlink_status(at, error))) return at;
        const fs::path next = fs::read_symlink(at, error);
        if (error) return std::nullopt;
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return std::nullopt;  // a loop
}

bool folderExists(const fs::path& file)
{
    std::error_code error;
    return fs::is_directory(file.has_parent_path() ? file.parent_path() : fs::path("."), error);
}

}  // namespace

SaveTarget saveTarget(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) return SaveTarget::Folder;
    if (!fs::exists(status)) return SaveTarget::Free;
    if (!fs::is_regular_file(status)) return SaveTarget::NotAFile;
    const std::uintmax_t size = fs::file_size(path, error);
    // Asking costs a click; replacing what could not be measured could cost a drawing.
    return !error && size == 0 ? SaveTarget::Free : SaveTarget::NonEmpty;
}

SaveProblem saveArtwork(const CanvasImage& image, const fs::path& path)
{
    switch (saveTarget(path)) {
    case SaveTarget::Folder: return SaveProblem::Folder;
    case SaveTarget::NotAFile: return SaveProblem::NotAFile;
    case SaveTarget::Free:
    case SaveTarget::NonEmpty: break;
    }
    const std::optional<fs::path> target = finalTarget(path);
    if (!target) return SaveProblem::NotWritable;

    std::error_code error;
    const fs::file_status status = fs::status(*target, error);
    std::optional<fs::perms> keep;
    if (fs::exists(status)) {
        if (!mayWriteExisting(*target)) return SaveProblem::NotWritable;
        keep = status.permissions() & fs::perms::all;
    }

    const std::vector<std::uint8_t> bytes = artworkBitmap(image);
    const ReplaceResult result = replaceFile(*target, bytes.data(), bytes.size(), keep);
    switch (result.failedAt) {
    case ReplaceStep::Done: return SaveProblem::None;
    case ReplaceStep::Create:
        if (result.error == std::errc::no_space_on_device) return SaveProblem::WriteFailed;
        return folderExists(*target) ? SaveProblem::NotWritable : SaveProblem::MissingFolder;
    case ReplaceStep::Write: return SaveProblem::WriteFailed;
    case ReplaceStep::Rename:
        // Something that will not be replaced took the name meanwhile.
        return fs::is_directory(*target, error) ? SaveProblem::Folder : SaveProblem::NotWritable;
    }
    return SaveProblem::WriteFailed;
}
