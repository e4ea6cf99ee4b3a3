// Writes the usable pictures the fuzzers start from that are too large to
// keep in the repository: 24-bit pictures are over a megabyte each.
// Usage: make_seeds FOLDER

#include "support/BmpBuilder.h"

#include <cstdio>
#include <string>

namespace {

// Pure black blocks for outlines, shades elsewhere.
std::uint32_t shade(std::uint32_t x, std::size_t stored)
{
    const auto row = static_cast<std::uint32_t>(stored);
    if ((x / 40 + row / 40) % 7 == 0) return 0;
    return (x & 0xFF) | ((row & 0xFF) << 8) | (((x ^ row) & 0xFF) << 16);
}

bmp::BmpBuilder trueColour(int height)
{
    bmp::InfoHeader h;
    h.height = height;
    const std::size_t length = bmp::rowLength(685, 24);
    return bmp::BmpBuilder().info(h).rows(static_cast<std::size_t>(height), [&](std::size_t stored) {
        std::vector<std::uint32_t> colours;
        for (std::uint32_t x = 0; x < 685; ++x)
            colours.push_back(shade(x, stored));
        return bmp::trueColourRow(colours, length);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = trueColour(557).writeTo(folder + "/true-colour-557.bmp");
    ok = trueColour(556).writeTo(folder + "/true-colour-556.bmp") && ok;

    // A core header and a colour table that gives value 0 white.
    bmp::CoreHeader core;
    const std::size_t length = bmp::rowLength(685, 1);
    bmp::BmpBuilder mono;
    mono.core(core).colourTable({0x00FFFFFF, 0x00000000}).rows(557, [&](std::size_t stored) {
        std::vector<int> bits;
        for (std::size_t x = 0; x < 685; ++x) bits.push_back((x + stored) % 11 == 0);
        return bmp::monochromeRow(bits, length);
    });
    ok = mono.writeTo(folder + "/core-mono-557.bmp") && ok;
    // One byte short of its rows: the edge between a picture and a damaged file.
    ok = mono.truncateTo(mono.build().size() - 1).writeTo(folder + "/core-mono-557-short.bmp") && ok;
    if (!ok) std::fprintf(stderr, "make_seeds: cannot write to %s\n", folder.c_str());
    return ok ? 0 : 1;
}
