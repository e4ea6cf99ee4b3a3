#include "bitmap/BitmapFile.h"

#include "os/OsFile.h"

#include <cerrno>
#include <system_error>

namespace Module1 {

std::optional<BitmapFile> BitmapFile::open(const std::filesystem::path& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return std::nullopt;
    std::FILE* f = os::openForReading(fileName);
    if (f == nullptr) return std::nullopt;
    return BitmapFile(f);
}

std::optional<std::size_t> BitmapFile::readAt(std::int64_t position, std::uint8_t* out, std::size_t count)
{
    if (count == 0 || position < 0) return 0;
    if (os::seekTo(m_file.get(), position) != 0) {
        // A position the system cannot seek to lies past any end.
        if (errno == EINVAL || errno == EOVERFLOW) return 0;
        return std::nullopt;
    }
    const std::size_t got = std::fread(out, 1, count, m_file.get());
    if (got < count && std::ferror(m_file.get()) != 0) return std::nullopt;
    return got;
}

}  // namespace Module1
