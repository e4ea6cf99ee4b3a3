#include "BmpWriter.h"
#include "Pictures.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Areas smaller than this are fiddly for a child to hit, so they become ink.
constexpr int kSmallestArea = 60;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: picgen <output folder> [picture.bmp ...]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/')
        folder += '/';

    int failures = 0;
    for (const Picture& picture : kPictures) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], picture.fileName) == 0;
        if (!wanted)
            continue;
        Page page;
        picture.draw(page);
        page.frame();
        page.thickenHairlines();
        page.inkSmallAreas(kSmallestArea);
        const std::string path = folder + picture.fileName;
        if (!writeBmp(page, path)) {
            std::fprintf(stderr, "picgen: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
