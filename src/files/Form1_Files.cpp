#include "app/Form1.h"

#include "app/ProblemText.h"
#include "files/ArtworkSaver.h"
#include "files/ChildFolder.h"
#include "files/PictureLoader.h"

namespace {

const std::string kBmpFilter = "BMP Files|*.bmp|All Files|*.*";
const std::string kConfirmTitle = "Pintaro v1.0";

const ProblemReason<OpenProblem> kOpenReasons[] = {
    {OpenProblem::Folder, "The Name Chosen Is A Folder"},
    {OpenProblem::NotAFile, "The Name Chosen Is Not A File"},
    {OpenProblem::Unreadable, "The File Can't Be Read"},
    {OpenProblem::Damaged, "The File Is Damaged Or Incomplete"},
};

const ProblemReason<SaveProblem> kSaveReasons[] = {
    {SaveProblem::Folder, "The Name Chosen Is A Folder"},
    {SaveProblem::NotAFile, "The Name Chosen Is Not A File"},
    {SaveProblem::MissingFolder, "The Folder Chosen Doesn't Exist"},
    {SaveProblem::NotWritable, "Saving There Isn't Allowed"},
    {SaveProblem::WriteFailed, "The Disk May Be Full"},
};

std::string openProblemText(OpenProblem problem)
{
    if (problem == OpenProblem::Refused) return "BMP File Selected Can't Be" + kLineBreak + "Used With This Program";
    return problemText("This Picture Can't Be Opened", problem, kOpenReasons);
}

}  // namespace

void Form1::Command2_Click()
{
    CommonDialog1.setInitDir(m_platform.programFolder() / "pics");
    CommonDialog1.setFileName({});
    CommonDialog1.setDialogTitle("Open Image [BMP] File");
    CommonDialog1.setFilter(kBmpFilter);
    CommonDialog1.setFlags(kOfnHideReadOnly);
    CommonDialog1.setAction(DialogAction::Open);
    const std::filesystem::path path = CommonDialog1.fileName();
    if (path.empty()) return;
    openChosenPicture(path);
}

void Form1::openChosenPicture(const std::filesystem::path& path)
{
    // The top row is decoded from the same bytes as the rest, so the file
    // cannot change between the check and the drawing of row 0.
    const OpenProblem problem = openPicture(path, Picture1);
    if (problem != OpenProblem::None) {
        showError(openProblemText(problem));
        return;
    }
    // The steps so far were changes to the picture just replaced.
    m_history.clear();
    m_window.refreshCanvas();
    PictureLoaded = 1;
    m_window.setSaveButtonEnabled(true);
}

void Form1::Command4_Click()
{
    if (PictureLoaded != 1) return;
    CommonDialog1.setInitDir(artworkFolder(m_platform));
    CommonDialog1.setFileName({});
    CommonDialog1.setDialogTitle("Save Your Art Work");
    CommonDialog1.setFilter(kBmpFilter);
    CommonDialog1.setFlags(kOfnHideReadOnly);
    CommonDialog1.setAction(DialogAction::SaveAs);
    const std::filesystem::path path = CommonDialog1.fileName();
    if (path.empty()) return;

    if (saveTarget(path) == SaveTarget::NonEmpty) {
        const MessageAnswer answer =
            m_platform.messageBox("The File You Have Chosen Isn't" + kLineBreak + " Empty. Overwrite The File ?",
                                  kErrorTitle, MessageIcon::Critical, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return;
    }
    const SaveProblem problem = saveArtwork(Picture1, path);
    if (problem != SaveProblem::None) {
        showError(problemText("Your Artwork Could Not Be Saved", problem, kSaveReasons));
        return;
    }
    m_platform.messageBox("Your Artwork Has Been Saved", kConfirmTitle, MessageIcon::Information,
                          MessageButtons::Ok);
}
