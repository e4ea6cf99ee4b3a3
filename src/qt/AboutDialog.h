#pragma once

#include "app/Window.h"

#include <QDialog>
#include <QPointer>

class LinkLabel;
class QLabel;
class QPushButton;

// The About dialog in Qt widgets: a fixed white window with the logo, the
// maker and the two links, each event handed to the core's frmAbout.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(frmAbout* handlers);

    // From now on the dialog calls no handler: they are going.
    void forgetHandlers() { m_handlers = nullptr; }

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

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();

    frmAbout* m_handlers;
    QSize m_frameUsed{0, 0};  // the frame the last centring allowed for
};

// The AboutWindow the core holds. The dialog may still be closing when the
// core lets go of it, so it is deleted later, by the event loop.
class QtAboutWindow : public AboutWindow {
public:
    explicit QtAboutWindow(frmAbout& handlers);
    ~QtAboutWindow() override;

    void showInFront() override;
    void close() override;
    int outerWidth() const override;
    int outerHeight() const override;
    void moveTo(int left, int top) override;

    AboutDialog* dialog() const { return m_dialog.data(); }

private:
    QPointer<AboutDialog> m_dialog;
};
