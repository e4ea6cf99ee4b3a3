#pragma once

#include "app/Platform.h"

// The common-dialog control: each use sets its properties afresh, then an
// action shows the dialog through the platform.
class CommonDialog {
public:
    CommonDialog(Platform& platform, QWidget* owner) : m_platform(platform), m_owner(owner) {}

    void setFileName(const QString& v) { m_state.fileName = v; }
    QString fileName() const { return m_state.fileName; }
    void setDialogTitle(const QString& v) { m_state.dialogTitle = v; }
    void setFilter(const QString& v) { m_state.filter = v; }
    void setInitDir(const QString& v) { m_state.initDir = v; }
    void setColour(Colour v) { m_state.colour = v; }
    Colour colour() const { return m_state.colour; }
    void setFlags(std::uint32_t v) { m_state.flags = v; }

    void setAction(DialogAction action) { m_platform.showCommonDialog(m_owner, action, m_state); }

private:
    Platform& m_platform;
    QWidget* m_owner;
    CommonDialogState m_state;
};
