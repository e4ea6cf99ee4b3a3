#include "PagePictures.h"

#include "files/CoreFilesSupport.h"
#include "pages/PageFile.h"
#include "pages/PageImport.h"
#include "support/CanvasColours.h"
#include "support/FormFixture.h"

namespace {

class ImportPages : public FormFixture {
protected:
    void SetUp() override
    {
        FormFixture::SetUp();
        ASSERT_TRUE(dir.valid());
        platform.folder = dir.root() / "program";
        ASSERT_TRUE(fs::create_directories(pics()));
        ASSERT_TRUE(start());
    }

    fs::path pics() const { return platform.folder / "pics"; }

    // A file the decoder knows as `image`.
    fs::path source(const std::string& name, DecodedImage image, ImageProblem atDecode = ImageProblem::None,
                    const std::string& bytes = "img")
    {
        const fs::path path = dir.root() / name;
        EXPECT_TRUE(bmp::BmpBuilder::writeFile(path.string(), bmp::Bytes(bytes.begin(), bytes.end())));
        platform.images[path] = {std::move(image), atDecode};
        return path;
    }

    fs::path ringPage(const std::string& name) { return source(name, antiAliasedRing(1200, 900, 300, 9)); }

    TempDir dir;
};

TEST_F(ImportPages, TheLastPageMadeIsOpenedAsTheOpenDialogWouldOpenIt)
{
    // A painted picture with history, to be replaced.
    form->ImportPages({ringPage("first.png")});
    ASSERT_EQ(form->PictureLoaded, 1);
    form->Picture1_MouseDown(1, 0, 342, 278);
    ASSERT_EQ(form->history().undoableSteps(), 1u);

    const fs::path wide = source("wide.jpg", framedImage(3000, 500));
    form->ImportPages({ringPage("ring.png"), wide});
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(entriesOf(pics()), (std::vector<std::string>{"first.bmp", "ring.bmp", "wide.bmp"}));
    for (const char* name : {"ring.bmp", "wide.bmp"}) EXPECT_FALSE(Module1::CheckBitmapFile(pics() / name)) << name;
    EXPECT_EQ(readAll(pics() / "wide.bmp")[28], 1) << "not a 1-bit picture";
    // The decoder was asked for no more than the fit needs.
    EXPECT_EQ(platform.decodes.back().width, 1500);

    // The wide band, moved down a row as opening does; white above and below.
    EXPECT_EQ(form->Picture1.pixel(300, 221 + 1), kPureBlack);
    EXPECT_EQ(form->Picture1.pixel(300, 221), kWhite);
    EXPECT_EQ(form->Picture1.pixel(300, 221 + 114), kPureBlack);
    EXPECT_EQ(form->Picture1.pixel(300, 221 + 115), kWhite);
    EXPECT_EQ(form->history().undoableSteps(), 0u);
    EXPECT_EQ(form->PictureLoaded, 1);
    EXPECT_TRUE(window.saveEnabled);
}

TEST_F(ImportPages, ANameTakenIsNeverOverwritten)
{
    const std::string own = "a child's own picture";
    ASSERT_TRUE(bmp::BmpBuilder::writeFile((pics() / "page.bmp").string(), bmp::Bytes(own.begin(), own.end())));
    ASSERT_TRUE(fs::create_directory(pics() / "page (2).bmp"));
    const fs::path page = ringPage("page.png");
    form->ImportPages({page});
    form->ImportPages({page});
    EXPECT_EQ(entriesOf(pics()), (std::vector<std::string>{"page (2).bmp", "page (3).bmp", "page (4).bmp", "page.bmp"}));
    const std::vector<std::uint8_t> kept = readAll(pics() / "page.bmp");
    EXPECT_EQ(std::string(kept.begin(), kept.end()), own);
    EXPECT_EQ(pageStem("..png"), "page");
    EXPECT_EQ(pageStem("Tiger.Page.JPG"), "Tiger.Page");
}

TEST_F(ImportPages, WhereThePicturesFolderCannotBeWrittenThePageGoesToTheChildsOwn)
{
    fs::remove(pics());
    form->ImportPages({ringPage("page.png")});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "\"page.png\" Can't Be Made Into A Picture\r\nThe Pictures Folder Can't Be Written To");
    EXPECT_EQ(form->PictureLoaded, 0);

    platform.pictures = dir.root() / "Pictures";
    form->ImportPages({ringPage("page.png")});
    EXPECT_TRUE(fs::is_regular_file(platform.pictures / "Pintaro" / "page.bmp"));
    EXPECT_EQ(form->PictureLoaded, 1);
}

TEST_F(ImportPages, BadInputIsNamedAndChangesNothing)
{
    form->ImportPages({ringPage("ring.png")});
    const std::vector<Colour> before = pixelsOf(form->Picture1);
    const std::vector<std::string> files = entriesOf(pics());

    const fs::path cut = dir.root() / "cut.png";
    ASSERT_TRUE(bmp::BmpBuilder::writeFile(cut.string(), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13}));
    platform.images[cut] = {antiAliasedRing(100, 100, 30, 3), ImageProblem::None};
    ASSERT_TRUE(fs::create_directory(dir.root() / "folder.png"));
    struct Case {
        fs::path path;
        const char* reason;
    };
    const Case cases[] = {
        {source("notes.txt", {ImageProblem::NotAnImage, 0, 0, {}}), "The File Is Not A Picture"},
        {source("drawing.svg", {ImageProblem::NotAnImage, 0, 0, {}}, {}, "<!-- clip art -->\n<svg>"),
         "The File Is An SVG Drawing, Not A Picture This Computer Can Read"},
        {source("leaflet.pdf", {ImageProblem::NotAnImage, 0, 0, {}}, {}, "%PDF-1.4"),
         "The File Is A PDF Document, Not A Picture This Computer Can Read"},
        {source("broken.jpg", antiAliasedRing(100, 100, 30, 3), ImageProblem::Damaged), "The File Is Damaged Or Incomplete"},
        {cut, "The File Is Damaged Or Incomplete"},
        {source("huge.png", {ImageProblem::None, 12000, 9000, {}}), "The Picture Is Too Large"},
        {source("endless.png", {ImageProblem::None, 70000, 10, {}}), "The Picture Is Too Large"},
        {source("refused.tif", {ImageProblem::TooLarge, 0, 0, {}}), "The Picture Is Too Large"},
        {dir.root() / "folder.png", "The Name Given Is A Folder"},
        {dir.root() / "missing.png", "The File Can't Be Read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.filename().string());
        platform.messages.clear();
        platform.decodes.clear();
        form->ImportPages({c.path});
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].text,
                  "\"" + c.path.filename().string() + "\" Can't Be Made Into A Picture\r\n" + c.reason);
        EXPECT_EQ(platform.messages[0].title, kErrorTitle);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
        EXPECT_TRUE(before == pixelsOf(form->Picture1)) << "the canvas changed";
        EXPECT_EQ(entriesOf(pics()), files);
    }
    // Too large is known from the header: nothing was decoded.
    EXPECT_TRUE(platform.decodes.empty());
}

TEST_F(ImportPages, IsIgnoredWhileTheAboutDialogIsOpenOrDuringAStroke)
{
    const fs::path page = ringPage("page.png");
    Module1::AboutRequested = 1;
    form->ImportPages({page});
    Module1::AboutRequested = 0;
    EXPECT_EQ(form->PictureLoaded, 0);

    form->ImportPages({page});
    form->Command3_Click(0);
    form->Picture1_MouseDown(1, 0, 20, 20);
    form->ImportPages({page});
    EXPECT_EQ(platform.decodes.size(), 1u);
    EXPECT_EQ(entriesOf(pics()), std::vector<std::string>{"page.bmp"});
}

}  // namespace
