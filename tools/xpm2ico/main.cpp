// Converts pixel-art XPM files into one Windows icon file, one image each;
// PNG files go in as they are:
//   xpm2ico OUTPUT.ico INPUT.xpm|INPUT.png [...]
#include "Ico.h"
#include "Xpm.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

int fail(const std::string& what, const std::string& why)
{
    std::fprintf(stderr, "xpm2ico: %s: %s\n", what.c_str(), why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: xpm2ico OUTPUT.ico INPUT.xpm|INPUT.png [...]\n");
        return 2;
    }
    std::vector<IconImage> images;
    std::string error;
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        if (!in)
            return fail(argv[i], "cannot be read");
        const std::string name = argv[i];
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".png") == 0) {
            const std::string bytes = text.str();
            images.push_back(PngImage{{bytes.begin(), bytes.end()}});
            continue;
        }
        std::optional<PixelArt> art = parseXpm(text.str(), error);
        if (!art)
            return fail(argv[i], error);
        images.push_back(std::move(*art));
    }
    const std::optional<std::vector<std::uint8_t>> ico = encodeIco(images, error);
    if (!ico)
        return fail(argv[1], error);

    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(ico->data()), static_cast<std::streamsize>(ico->size()));
    out.close();
    if (!out)
        return fail(argv[1], "cannot be written");
    return 0;
}
