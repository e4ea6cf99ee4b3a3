#include "bitmap/BitmapFile.h"
#include "bitmap/BitmapHeader.h"
#include "bitmap/Module1.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace Module1 {

bool CheckBitmapFile(const std::filesystem::path& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    // Opening for reading creates nothing, so a missing path stays missing.
    const fs::file_status status = fs::status(path, error);
    if (!fs::is_regular_file(status)) return true;
    const std::uintmax_t length = fs::file_size(path, error);
    if (error) return true;
    if (length == 0) {
        // An empty file is removed; when that fails it is still refused.
        fs::remove(path, error);
        return true;
    }

    std::array<std::uint8_t, kHeaderBytes> bytes{};
    std::optional<std::size_t> got;
    if (auto file = BitmapFile::open(path)) got = file->readAt(0, bytes.data(), bytes.size());
    if (!got) return true;

    return !isColourable(readBitmapHeader(bytes.data(), *got));
}

}  // namespace Module1
