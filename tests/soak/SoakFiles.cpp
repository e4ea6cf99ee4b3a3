#include "SoakFixture.h"

namespace soak {

namespace fs = std::filesystem;

void SoakFixture::SetUp()
{
    FormFixture::SetUp();
    ASSERT_TRUE(dir.valid());
    ASSERT_TRUE(start());
    writeFiles();
    shadow.assign(canvas().words(), canvas().words() + kPixels);
}

void SoakFixture::write(const fs::path& file, const bmp::Bytes& bytes)
{
    ASSERT_TRUE(bmp::BmpBuilder::writeFile(file.string(), bytes)) << file;
}

void SoakFixture::writeFiles()
{
    Random art(7);
    for (int blackIndex : {0, 1}) {
        const Picture p = soak::lineArt(art, 556, false);
        good.push_back(p.asOpened());
        const char* name = blackIndex == 0 ? "mono-black-first.bmp" : "mono-black-second.bmp";
        write(path(name), soak::monochromeFile(p, blackIndex));
    }
    const Picture colour = soak::lineArt(art, 557, true);
    good.push_back(colour.asOpened());
    const bmp::Bytes colourFile = soak::trueColourFile(colour);
    write(path("colour.bmp"), colourFile);

    write(path("truncated.bmp"), bmp::Bytes(colourFile.begin(), colourFile.begin() + colourFile.size() / 2));
    write(path("narrow.bmp"), soak::trueColourFile(colour, 684));
    bmp::Bytes garbage(4096);
    for (std::uint8_t& b : garbage) b = static_cast<std::uint8_t>(art.below(256));
    write(path("noise.bmp"), garbage);
    garbage[0] = 'B';
    garbage[1] = 'M';
    write(path("garbage.bmp"), garbage);
    ASSERT_TRUE(fs::create_directory(path("folder.bmp")));

    offers = {{path("mono-black-first.bmp"), &good[0]},
              {path("mono-black-second.bmp"), &good[1]},
              {path("colour.bmp"), &good[2]},
              {path("truncated.bmp")},
              {path("narrow.bmp")},
              {path("noise.bmp")},
              {path("garbage.bmp")},
              {path("empty.bmp"), nullptr, true},
              {path("missing.bmp")},
              {path("folder.bmp")}};
}

std::string SoakFixture::filesProblem()
{
    if (lastOffer == nullptr) return {};
    const fs::path& chosen = lastOffer->path;
    std::error_code error;
    if (chosen == path("missing.bmp") && fs::exists(chosen, error)) return "opening a missing file made it";
    if (chosen == path("folder.bmp") && !fs::is_directory(chosen, error)) return "opening a folder removed it";
    if (lastOffer->recreateEmpty && fs::exists(chosen, error)) return "an empty file chosen was kept";
    return {};
}

}  // namespace soak
