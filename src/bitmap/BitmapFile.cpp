#include "bitmap/BitmapFile.h"

#include <cerrno>
#include <limits>
#include <system_error>

#ifndef _WIN32
#include <sys/types.h>
#endif

namespace Module1 {

namespace {

// Windows takes wide paths and 64-bit positions under names of its own.
std::FILE* openForReading(const std::filesystem::path& path)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

// 0 when the position was set; otherwise errno tells why.
int seekTo(std::FILE* f, std::int64_t position)
{
#ifdef _WIN32
    return _fseeki64(f, position, SEEK_SET);
#else
    if constexpr (sizeof(off_t) < sizeof(std::int64_t)) {
        if (position > std::numeric_limits<off_t>::max()) {
            errno = EOVERFLOW;
            return -1;
        }
    }
    return fseeko(f, static_cast<off_t>(position), SEEK_SET);
#endif
}

}  // namespace

std::optional<BitmapFile> BitmapFile::open(const std::filesystem::path& fileName)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return std::nullopt;
    std::FILE* f = openForReading(fileName);
    if (f == nullptr) return std::nullopt;
    return BitmapFile(f);
}

std::optional<std::size_t> BitmapFile::readAt(std::int64_t position, std::uint8_t* out, std::size_t count)
{
    if (count == 0 || position < 0) return 0;
    if (seekTo(m_file.get(), position) != 0) {
        // A position the system cannot seek to lies past any end.
        if (errno == EINVAL || errno == EOVERFLOW) return 0;
        return std::nullopt;
    }
    const std::size_t got = std::fread(out, 1, count, m_file.get());
    if (got < count && std::ferror(m_file.get()) != 0) return std::nullopt;
    return got;
}

}  // namespace Module1
