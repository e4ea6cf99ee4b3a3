#pragma once

// What the fuzz targets share: a scratch folder of their own, the input
// written to a file there, a check that stops the run, and an independent
// reading of what a header says, to hold the program's answers against.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fuzz {

namespace fs = std::filesystem;

// A failed expectation is a finding: say what and stop, so libFuzzer keeps
// the input.
[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

inline void require(bool condition, const char* what)
{
    if (!condition) fail(what);
}

// One folder per process, so parallel runs and forked jobs never share files.
inline const fs::path& scratchFolder()
{
    static const fs::path folder = [] {
        const fs::path p = fs::temp_directory_path() / ("pintaro-fuzz-" + std::to_string(getpid()));
        std::error_code error;
        fs::create_directories(p, error);
        require(!error, "scratch folder cannot be made");
        std::atexit([] {
            std::error_code e;
            fs::remove_all(fs::temp_directory_path() / ("pintaro-fuzz-" + std::to_string(getpid())), e);
        });
        return p;
    }();
    return folder;
}

inline std::string inputPath()
{
    return (scratchFolder() / "input.bmp").string();
}

// The input as a file, replacing what the last run left (the check deletes
// empty files, so it may be gone).
inline std::string writeInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = inputPath();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (size != 0) out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.flush();
    require(static_cast<bool>(out), "input file cannot be written");
    return path;
}

// What a target may do to the file it was given: nothing, except that an
// empty one is removed. Read in one piece and compared as a block, since
// libFuzzer traces the comparisons of instrumented loops one by one.
__attribute__((no_sanitize("coverage"))) inline bool fileKeptAsWritten(const std::string& path,
                                                                    const std::uint8_t* data, std::size_t size)
{
    std::error_code error;
    const bool exists = fs::exists(path, error);
    if (size == 0) return !exists;
    if (!exists || fs::file_size(path, error) != size || error) return false;
    std::vector<char> bytes(size);
    std::ifstream in(path, std::ios::binary);
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    return static_cast<bool>(in) && std::memcmp(bytes.data(), data, size) == 0;
}

// The input's bytes as a file reads them: zero before its start and past its end.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::size_t size() const { return m_size; }
    std::uint8_t at(__int128 offset) const
    {
        return offset >= 0 && offset < static_cast<__int128>(m_size) ? m_data[static_cast<std::size_t>(offset)] : 0;
    }
    std::uint32_t le(std::size_t offset, int count) const
    {
        std::uint32_t v = 0;
        for (int i = count - 1; i >= 0; --i) v = (v << 8) | at(static_cast<__int128>(offset) + i);
        return v;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
};

// The headers read straight from the bytes, without the program's reader.
struct Announced {
    bool bm = false;
    std::uint32_t offBits = 0;
    int headerSize = 0;  // 12, 40, or 0 when unrecognised
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::optional<std::uint32_t> bitCount;
    std::optional<std::uint32_t> compression;

    bool bitCountIs(std::uint32_t n) const { return bitCount.value_or(0) == n; }
    bool uncompressed() const { return compression.value_or(0) == 0; }

    // Exactly the pictures the program can colour.
    bool usable() const
    {
        return bm && width == 685 && uncompressed() && (height == 556 || height == 557)
            && (bitCountIs(1) || bitCountIs(24));
    }
};

inline Announced announced(const Bytes& b)
{
    Announced a;
    a.bm = b.at(0) == 'B' && b.at(1) == 'M';
    a.offBits = b.le(10, 4);
    const std::uint32_t selector = b.le(14, 2);
    if (selector == 12) {
        a.headerSize = 12;
        a.width = static_cast<std::int16_t>(b.le(18, 2));
        a.height = static_cast<std::int16_t>(b.le(20, 2));
        a.bitCount = b.le(24, 2);
        a.compression = 0;
    } else if (selector == 40) {
        a.headerSize = 40;
        a.width = static_cast<std::int32_t>(b.le(18, 4));
        a.height = static_cast<std::int32_t>(b.le(22, 4));
        a.bitCount = b.le(28, 2);
        a.compression = b.le(30, 4);
    }
    return a;
}

}  // namespace fuzz
