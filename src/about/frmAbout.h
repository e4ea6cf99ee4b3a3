#pragma once

#include <QDialog>
#include <QMargins>

class LinkLabel;
class Platform;
class QLabel;
class QPushButton;

// The About dialog: the logo, the maker and two links. Modeless and without
// an owner window; it deletes itself once it has unloaded.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform);

    // Centres the whole window, frame included, on the screen. Until the
    // dialog has been shown the window manager has not framed it, so
    // `expectedFrame` stands in for the frame it will add.
    void Form_Load(const QMargins& expectedFrame = {});
    // Modeless, in front and active.
    void showInFront();

    // Unloads the dialog; Enter and Escape come here too.
    void cmdOK_Click();
    void Label1_Click();
    void Label4_Click();

    // True from the unload on; the dialog is then only waiting to be deleted.
    bool isUnloaded() const { return m_unloaded; }

    void accept() override;
    void reject() override;

    // Controls, named as on the form they model (not Form1's controls).
    QLabel* Picture1 = nullptr;  // logo
    QWidget* Line1 = nullptr;
    QLabel* Picture2 = nullptr;  // maker notice
    QLabel* Label3 = nullptr;    // "Developed by"
    QLabel* Label5 = nullptr;    // maker's name
    LinkLabel* Label4 = nullptr; // mail link
    QLabel* Label2 = nullptr;    // "Get The Latest Updates at"
    LinkLabel* Label1 = nullptr; // web link
    QPushButton* cmdOK = nullptr;

    static const QString kWebLink;
    static const QString kMailLink;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void Form_Unload();

    Platform& m_platform;
    bool m_unloaded = false;
};
