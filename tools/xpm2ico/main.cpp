// Converts pixel-art XPM files into one Windows icon file, one image each;
// PNG files go in as they are:
//   xpm2ico [--greyed] [--doubled] OUTPUT.ico INPUT.xpm|INPUT.png [...]
// --greyed converts the XPM art to its disabled look; --doubled adds each
// art again at twice its size, for screens at 150 % and more.
#include "Ico.h"
#include "Variants.h"
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
    bool greyedLook = false;
    bool doubled = false;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        const std::string option = argv[first];
        if (option == "--greyed") greyedLook = true;
        else if (option == "--doubled") doubled = true;
        else return fail(option, "unknown option");
    }
    if (argc - first < 2) {
        std::fprintf(stderr, "usage: xpm2ico [--greyed] [--doubled] OUTPUT.ico INPUT.xpm|INPUT.png [...]\n");
        return 2;
    }
    const char* output = argv[first];
    std::vector<IconImage> images;
    std::vector<PixelArt> doubles;
    std::string error;
    for (int i = first + 1; i < argc; ++i) {
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
        if (greyedLook) *art = greyed(*art);
        if (doubled) doubles.push_back(enlarged(*art, 2));
        images.push_back(std::move(*art));
    }
    images.insert(images.end(), doubles.begin(), doubles.end());
    const std::optional<std::vector<std::uint8_t>> ico = encodeIco(images, error);
    if (!ico)
        return fail(output, error);

    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(ico->data()), static_cast<std::streamsize>(ico->size()));
    out.close();
    if (!out)
        return fail(output, "cannot be written");
    return 0;
}
