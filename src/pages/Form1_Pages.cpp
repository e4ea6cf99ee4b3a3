#include "app/Form1.h"

#include "bitmap/Module1.h"
#include "files/ChildFolder.h"
#include "pages/PageImport.h"

#include <optional>

namespace fs = std::filesystem;

namespace {

std::string pageProblemText(const fs::path& source, PageProblem problem)
{
    std::string reason;
    switch (problem) {
    case PageProblem::NotAnImage: reason = "The File Is Not A Picture"; break;
    case PageProblem::Damaged: reason = "The File Is Damaged Or Incomplete"; break;
    case PageProblem::TooLarge: reason = "The Picture Is Too Large"; break;
    case PageProblem::Folder: reason = "The Name Given Is A Folder"; break;
    case PageProblem::Unreadable: reason = "The File Can't Be Read"; break;
    case PageProblem::NotSaved: reason = "The Pictures Folder Can't Be Written To"; break;
    case PageProblem::SvgUnread: reason = "The File Is An SVG Drawing, Not A Picture This Computer Can Read"; break;
    case PageProblem::PdfUnread: reason = "The File Is A PDF Document, Not A Picture This Computer Can Read"; break;
    case PageProblem::None: break;
    }
    return "\"" + source.filename().u8string() + "\" Can't Be Made Into A Picture" + kLineBreak + reason;
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
