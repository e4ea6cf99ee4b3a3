#include "bitmap/BitmapFile.h"
#include "bitmap/BitmapHeader.h"
#include "bitmap/Module1.h"

#include <array>
#include <filesystem>
#include <system_error>

namespace Module1 {

namespace {

bool passesTests(const BitmapHeader& header)
{
    if (header.width != 685 || !comparesEqual(header.compression, std::uint32_t{0})) return false;
    if (header.height != 556 && header.height != 557) return false;
    return comparesEqual(header.bitCount, std::uint16_t{1}) || comparesEqual(header.bitCount, std::uint16_t{24});
}

}  // namespace

bool CheckBitmapFile(const std::string& fileName)
{
    namespace fs = std::filesystem;
    const fs::path path(fileName);
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
    if (auto file = BitmapFile::open(fileName)) got = file->readAt(0, bytes.data(), bytes.size());
    if (!got) return true;

    const BitmapHeader header = readBitmapHeader(bytes.data(), *got);
    if (!header.signatureMatches) return true;
    return !passesTests(header);
}

}  // namespace Module1
