#include "pages/ImageEnds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// Writers may leave a little padding after the end marker.
constexpr std::streamoff kTailBytes = 1024;

bool contains(const std::vector<char>& tail, const char* marker, std::size_t length)
{
    return std::search(tail.begin(), tail.end(), marker, marker + length) != tail.end();
}

}  // namespace

bool endsCut(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 8> head{};
    if (!in.read(reinterpret_cast<char*>(head.data()), head.size())) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    const std::streamoff tailAt = std::max<std::streamoff>(head.size(), size - kTailBytes);
    std::vector<char> tail(static_cast<std::size_t>(std::max<std::streamoff>(0, size - tailAt)));
    in.seekg(tailAt);
    if (!in.read(tail.data(), static_cast<std::streamsize>(tail.size()))) return false;

    static const unsigned char png[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (std::memcmp(head.data(), png, sizeof png) == 0) return !contains(tail, "IEND", 4);
    if (std::memcmp(head.data(), "GIF8", 4) == 0) {
        const auto last = std::find_if(tail.rbegin(), tail.rend(), [](char c) { return c != 0; });
        return last == tail.rend() || *last != 0x3B;
    }
    if (head[0] == 0xFF && head[1] == 0xD8 && head[2] == 0xFF) return !contains(tail, "\xFF\xD9", 2);
    return false;
}
