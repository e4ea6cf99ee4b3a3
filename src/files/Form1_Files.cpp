#include "app/Form1.h"

#include "files/ArtworkSaver.h"
#include "files/PictureLoader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <filesystem>


namespace {

const QString kBmpFilter = QStringLiteral("BMP Files|*.bmp|All Files|*.*");
const QString kLineBreak = QStringLiteral("\r\n");
const QString kConfirmTitle = QStringLiteral("Pintaro v1.0");

QString openProblemText(OpenProblem problem)
{
    if (problem == OpenProblem::Refused)
        return QStringLiteral("BMP File Selected Can't Be") + kLineBreak + QStringLiteral("Used With This Program");
    QString reason;
    switch (problem) {
    case OpenProblem::Folder: reason = QStringLiteral("The Name Chosen Is A Folder"); break;
    case OpenProblem::NotAFile: reason = QStringLiteral("The Name Chosen Is Not A File"); break;
    case OpenProblem::Unreadable: reason = QStringLiteral("The File Can't Be Read"); break;
    case OpenProblem::Damaged: reason = QStringLiteral("The File Is Damaged Or Incomplete"); break;
    case OpenProblem::Refused:
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

// The chosen name as the file system spells it.
std::filesystem::path filePath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
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

    const OpenProblem problem = openPicture(filePath(path), Picture1->image());
    if (problem != OpenProblem::None) {
        m_platform.messageBox(this, openProblemText(problem), kErrorTitle, MessageIcon::Critical,
                              MessageButtons::Ok);
        return;
    }
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

    const std::filesystem::path file = filePath(path);
    if (saveTarget(file) == SaveTarget::NonEmpty) {
        const MessageAnswer answer = m_platform.messageBox(
            this, QStringLiteral("The File You Have Chosen Isn't") + kLineBreak
                      + QStringLiteral(" Empty. Overwrite The File ?"),
            kErrorTitle, MessageIcon::Critical, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes) return;
    }
    const SaveProblem problem = saveArtwork(Picture1->image(), file);
    if (problem != SaveProblem::None) {
        m_platform.messageBox(this, saveProblemText(problem), kErrorTitle, MessageIcon::Critical,
                              MessageButtons::Ok);
        return;
    }
    m_platform.messageBox(this, QStringLiteral("Your Artwork Has Been Saved"), kConfirmTitle,
                          MessageIcon::Information, MessageButtons::Ok);
}
