#include "SoakFixture.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace soak {

void SoakFixture::SetUp()
{
    FormFixture::SetUp();
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(start());
    writeFiles();
    shadow.assign(canvas().words(), canvas().words() + kPixels);
}

void SoakFixture::write(const QString& file, const QByteArray& bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
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
    const QByteArray colourFile = soak::trueColourFile(colour);
    write(path("colour.bmp"), colourFile);

    write(path("truncated.bmp"), colourFile.left(colourFile.size() / 2));
    write(path("narrow.bmp"), soak::trueColourFile(colour, 684));
    QByteArray garbage(4096, '\0');
    for (char& c : garbage) c = static_cast<char>(art.below(256));
    write(path("noise.bmp"), garbage);
    garbage[0] = 'B';
    garbage[1] = 'M';
    write(path("garbage.bmp"), garbage);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));

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
    const QFileInfo info(lastOffer->path);
    if (lastOffer->path == path("missing.bmp") && info.exists()) return "opening a missing file made it";
    if (lastOffer->path == path("folder.bmp") && !info.isDir()) return "opening a folder removed it";
    if (lastOffer->recreateEmpty && info.exists()) return "an empty file chosen was kept";
    return {};
}

}  // namespace soak
