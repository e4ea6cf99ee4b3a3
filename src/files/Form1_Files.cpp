#include "app/Form1.h"

#include "files/ArtworkSaver.h"
#include "files/ChildFolder.h"
#include "files/PictureLoader.h"

namespace {

const std::string kBmpFilter = "BMP Files|*.bmp|All Files|*.*";
const std::string kConfirmTitle = "Pintaro v1.0";

std::string openProblemText(OpenProblem problem)
{
    if (problem == OpenProblem::Refused) return "BMP File Selected Can't Be" + kLineBreak + "Used With This Program";
    std::string reason;
    switch (problem) {
    case OpenProblem::Folder: reason = "The Name Chosen Is A Folder"; break;
    case OpenProblem::NotAFile: reason = "The Name Chosen Is Not A File"; break;
    case OpenProblem::Unreadable: reason = "The File Can't Be Read"; break;
    case OpenProblem::Damaged: reason = "The File Is Damaged Or Incomplete"; break;
    case OpenProblem::Refused:
    case OpenProblem::None: break;
    }
    return "This Picture Can't Be Opened" + kLineBreak + reason;
}

std::string saveProblemText(SaveProblem problem)
{
    std::string reason;
    switch (problem) {
    case SaveProblem::Folder: reason = "The Name Chosen Is A Folder"; break;
    case SaveProblem::NotAFile: reason = "The Name Chosen Is Not A File"; break;
    case SaveProblem::MissingFolder: reason = "The Folder Chosen Doesn't Exist"; break;
    case SaveProblem::NotWritable: reason = "Saving There Isn't Allowed"; break;
    case SaveProblem::WriteFailed: reason = "The Disk May Be Full"; break;
    case SaveProblem::None: break;
    }
    return "Your Artwork Could Not Be Saved" + kLineBreak + reason;
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
        showError(saveProblemText(problem));
        return;
    }
    m_platform.messageBox("Your Artwork Has Been Saved", kConfirmTitle, MessageIcon::Information,
                          MessageButtons::Ok);
}
