#pragma once

#include <QDialog>

// PLACEHOLDER: the About dialog is being built.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
};
