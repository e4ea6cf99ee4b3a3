#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace Module1 {

// A picture file opened for reading raw bytes only, so a read-only picture
// opens and nothing is ever created. Closed when the object goes.
class BitmapFile {
public:
    // Only regular files open: a folder or a pipe could block or half-open.
    static std::optional<BitmapFile> open(const std::filesystem::path& fileName);

    // Reads up to `count` bytes from `position` into `out`. Returns how many
    // were read, fewer at the end of the file and none for a position before
    // its start or past its end; nullopt when reading failed.
    std::optional<std::size_t> readAt(std::int64_t position, std::uint8_t* out, std::size_t count);

private:
    struct Closer {
        void operator()(std::FILE* f) const { std::fclose(f); }
    };
    explicit BitmapFile(std::FILE* f) : m_file(f) {}

    std::unique_ptr<std::FILE, Closer> m_file;
};

}  // namespace Module1
