#include "bitmap/BitmapFile.h"

#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

#include <sys/types.h>

namespace Module1 {

std::optional<BitmapFile> BitmapFile::open(const std::string& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::path(fileName), error)) return std::nullopt;
    std::FILE* f = std::fopen(fileName.c_str(), "rb");
    if (f == nullptr) return std::nullopt;
    return BitmapFile(f);
}

std::optional<std::size_t> BitmapFile::readAt(std::int64_t position, std::uint8_t* out, std::size_t count)
{
    if (count == 0 || position < 0) return 0;
    if constexpr (sizeof(off_t) < sizeof(std::int64_t)) {
        if (position > std::numeric_limits<off_t>::max()) return 0;
    }
    if (fseeko(m_file.get(), static_cast<off_t>(position), SEEK_SET) != 0) {
        // A position the system cannot seek to lies past any end.
        if (errno == EINVAL || errno == EOVERFLOW) return 0;
        return std::nullopt;
    }
    const std::size_t got = std::fread(out, 1, count, m_file.get());
    if (got < count && std::ferror(m_file.get()) != 0) return std::nullopt;
    return got;
}

}  // namespace Module1
