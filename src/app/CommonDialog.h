#pragma once

#include "app/Platform.h"

// The common-dialog control: each use sets its properties afresh, then an
// action shows the dialog through the platform.
class CommonDialog {
public:
    explicit CommonDialog(Platform& platform) : m_platform(platform) {}

    void setFileName(const std::filesystem::path& v) { m_state.fileName = v; }
    const std::filesystem::path& fileName() const { return m_state.fileName; }
    void setDialogTitle(const std::string& v) { m_state.dialogTitle = v; }
    void setFilter(const std::string& v) { m_state.filter = v; }
    void setInitDir(const std::filesystem::path& v) { m_state.initDir = v; }
    void setColour(Colour v) { m_state.colour = v; }
    Colour colour() const { return m_state.colour; }
    void setFlags(std::uint32_t v) { m_state.flags = v; }

    void setAction(DialogAction action) { m_platform.showCommonDialog(action, m_state); }

private:
    Platform& m_platform;
    CommonDialogState m_state;
};
