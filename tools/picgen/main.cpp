#include "BmpWriter.h"
#include "Pictures.h"

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: picgen <output folder> [picture.bmp ...]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (!folder.empty() && folder.back() != '/')
        folder += '/';

    int failures = 0;
    for (const Picture& picture : allPictures()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || std::strcmp(argv[i], picture.fileName) == 0;
        if (!wanted)
            continue;
        const std::string path = folder + picture.fileName;
        if (!writeBmp(finished(picture), path)) {
            std::fprintf(stderr, "picgen: cannot write %s\n", path.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
