#include "app/Form1.h"

#include "files/ArtworkSaver.h"
#include "files/PictureLoader.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace {

const QString kBmpFilter = QStringLiteral("BMP Files|*.bmp|All Files|*.*");
const QString kLineBreak = QStringLiteral("\r\n");
const QString kConfirmTitle = QStringLiteral("Pintaro v1.0");

QString openProblemText(OpenProblem problem)
{
    QString reason;
    switch (problem) {
    case OpenProblem::Folder: reason = QStringLiteral("The Name Chosen Is A Folder"); break;
    case OpenProblem::NotAFile: reason = QStringLiteral("The Name Chosen Is Not A File"); break;
    case OpenProblem::Unreadable: reason = QStringLiteral("The File Can't Be Read"); break;
    case OpenProblem::Damaged: reason = QStringLiteral("The File Is Damaged Or Incomplete"); break;
    case OpenProblem::None: break;
    }
    return QStringLiteral("This Picture Can't Be Opened") + kLineBreak + reason;
}

QString saveProblemText(SaveProblem problem)
{
    QString reason;
    switch (problem) {
    case SaveProblem::Folder: reason = QStringLiteral("The Name Chosen Is A Folder"); break;
    case SaveProblem::NotAFile: reason = QStringLiteral("The Name Chosen Is Not A File"); break;
    case SaveProblem::MissingFolder: reason = QStringLiteral("The Folder Chosen Doesn't Exist"); break;
    case SaveProblem::NotWritable: reason = QStringLiteral("Saving There Isn't Allowed"); break;
    case SaveProblem::WriteFailed: reason = QStringLiteral("The Disk May Be Full"); break;
    case SaveProblem::None: break;
    }
    return QStringLiteral("Your Artwork Could Not Be Saved") + kLineBreak + reason;
}

}  // namespace

QString Form1::programFolder()
{
    const QString resolved = QFileInfo(QCoreApplication::applicationFilePath()).canonicalPath();
    return resolved.isEmpty() ? QCoreApplication::applicationDirPath() : resolved;
}

void Form1::Command2_Click()
{
    CommonDialog1.setInitDir(programFolder() + QStringLiteral("/pics"));
    CommonDialog1.setFileName(QString());
    CommonDialog1.setDialogTitle(QStringLiteral("Open Image [BMP] File"));
    CommonDialog1.setFilter(kBmpFilter);
    CommonDialog1.setFlags(kOfnHideReadOnly);
    CommonDialog1.setAction(DialogAction::Open);
    const QString path = CommonDialog1.fileName();
    if (path.isEmpty()) return;

    const auto refuse = [this](const QString& text) {
        m_platform.messageBox(this, text, kErrorTitle, MessageIcon::Critical, MessageButtons::Ok);
    };
    // The check opens and may delete what it is given, so folders and
    // devices never reach it.
    if (const OpenProblem problem = fileSystemProblem(path); problem != OpenProblem::None) {
        refuse(openProblemText(problem));
        return;
    }
    if (Module1::CheckBitmapFile(nativePath(path))) {
        refuse(QStringLiteral("BMP File Selected Can't Be") + kLineBreak + QStringLiteral("Used With This Program"));
        return;
    }

    // The whole new canvas is built aside, so a picture that fails half way
    // leaves the child's work as it was.
    CanvasImage& canvas = Picture1->image();
    const auto next = std::make_unique<CanvasImage>(canvas.background());
    const OpenedPicture opened = composeOpenedCanvas(path, *next);
    if (opened.problem != OpenProblem::None) {
        refuse(openProblemText(opened.problem));
        return;
    }
    std::copy_n(next->data(), std::size_t{CanvasImage::kWidth} * CanvasImage::kHeight, canvas.data());
    if (opened.drawOutcome == Module1::DrawOutcome::InvalidSignature)
        m_platform.messageBox(this, QStringLiteral(" Invalid BMP File"), QString(), MessageIcon::None,
                              MessageButtons::Ok);
    Picture1->Refresh();
    PictureLoaded = 1;
    Command4->setEnabled(true);
}

void Form1::Command4_Click()
{
    if (PictureLoaded != 1) return;
    CommonDialog1.setInitDir(programFolder() + QStringLiteral("/pics/mypics"));
    CommonDialog1.setFileName(QString());
    CommonDialog1.setDialogTitle(QStringLiteral("Save Your Art Work"));
    CommonDialog1.setFilter(kBmpFilter);
    CommonDialog1.setFlags(kOfnHideReadOnly);
    CommonDialog1.setAction(DialogAction::SaveAs);
    const QString path = CommonDialog1.fileName();
    if (path.isEmpty()) return;

    if (saveTarget(path) == SaveTarget::NonEmpty) {
        const MessageAnswer answer = m_platform.messageBox(
            this, QStringLiteral("The File You Have Chosen Isn't") + kLineBreak
                      + QStringLiteral(" Empty. Overwrite The File ?"),
            kErrorTitle, MessageIcon::Critical, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return;
    }
    const SaveProblem problem = saveArtwork(Picture1->image(), path);
    if (problem != SaveProblem::None) {
        m_platform.messageBox(this, saveProblemText(problem), kErrorTitle, MessageIcon::Critical,
                              MessageButtons::Ok);
        return;
    }
    m_platform.messageBox(this, QStringLiteral("Your Artwork Has Been Saved"), kConfirmTitle,
                          MessageIcon::Information, MessageButtons::Ok);
}
