// The header reader and the accept-or-refuse decision, on any bytes.

#include "FuzzSupport.h"

#include "bitmap/BitmapHeader.h"
#include "bitmap/Module1.h"

#include <algorithm>
#include <array>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    const Bytes bytes(data, size);
    const Announced expected = announced(bytes);

    const Module1::BitmapHeader header = Module1::readBitmapHeader(data, size);
    require(header.signatureMatches == expected.bm, "signature");
    require(header.offBits == expected.offBits, "bfOffBits");
    require(static_cast<int>(header.headerSize()) == expected.headerSize, "header size");
    require(header.width == expected.width && header.height == expected.height, "width or height");
    require(header.bitCount.has_value() == expected.bitCount.has_value()
                && header.bitCount.value_or(0) == expected.bitCount.value_or(0),
            "bit count");
    require(header.compression.has_value() == expected.compression.has_value()
                && header.compression.value_or(0) == expected.compression.value_or(0),
            "compression");

    // Nothing past the headers may count: the same bytes cut there, or
    // padded with zeros, read alike.
    std::array<std::uint8_t, Module1::kHeaderBytes> cut{};
    std::memcpy(cut.data(), data, std::min(size, cut.size()));
    const Module1::BitmapHeader again = Module1::readBitmapHeader(cut.data(), cut.size());
    require(again.width == header.width && again.height == header.height && again.offBits == header.offBits
                && again.bitCount == header.bitCount && again.compression == header.compression,
            "bytes past the headers changed the reading");

    // Row arithmetic on whatever a header announces must stay defined.
    const std::int64_t rowLength = Module1::bitmapRowLength(header.width, header.bitCount);
    require(rowLength % 4 == 0, "row length not whole 4-byte units");
    if (const auto position = Module1::topRowPosition(header, rowLength)) require(*position >= 0, "negative position");

    const std::string path = writeInput(data, size);
    const bool refused = Module1::CheckBitmapFile(path);
    require(refused == !expected.usable(), "accept-or-refuse decision");

    require(fileKeptAsWritten(path, data, size), "the check changed the file, or kept an empty one");
    return 0;
}
