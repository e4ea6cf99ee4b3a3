#include "app/Form1.h"

#include "app/ProblemText.h"
#include "bitmap/Module1.h"
#include "files/ChildFolder.h"
#include "pages/PageImport.h"

#include <optional>

namespace fs = std::filesystem;

namespace {

const ProblemReason<PageProblem> kPageReasons[] = {
    {PageProblem::NotAnImage, "The File Is Not A Picture"},
    {PageProblem::Damaged, "The File Is Damaged Or Incomplete"},
    {PageProblem::TooLarge, "The Picture Is Too Large"},
    {PageProblem::Folder, "The Name Given Is A Folder"},
    {PageProblem::Unreadable, "The File Can't Be Read"},
    {PageProblem::NotSaved, "The Pictures Folder Can't Be Written To"},
    {PageProblem::SvgUnread, "The File Is An SVG Drawing, Not A Picture This Computer Can Read"},
    {PageProblem::PdfUnread, "The File Is A PDF Document, Not A Picture This Computer Can Read"},
};

std::string pageProblemText(const fs::path& source, PageProblem problem)
{
    return problemText("\"" + source.filename().u8string() + "\" Can't Be Made Into A Picture", problem, kPageReasons);
}

}  // namespace

void Form1::ImportPages(const std::vector<fs::path>& paths)
{
    if (Module1::AboutRequested != 0 || IsDrawing == 1) return;
    const fs::path folder = pagesFolder(m_platform);
    std::optional<fs::path> last;
    for (const fs::path& source : paths) {
        const PageImport page = importPage(m_platform, source, folder);
        if (page.problem == PageProblem::None)
            last = page.saved;
        else
            showError(pageProblemText(source, page.problem));
    }
    if (last) openChosenPicture(*last);
}
