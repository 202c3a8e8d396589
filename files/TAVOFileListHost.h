// What the two file lists ask of the file tab that holds them: its title
// and right bar button, its mode, its toasts and loading panel.
#pragma once

#include <string>

#include <vector>

#include "core/errors/TAVOError.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOFileListHost {
public:
    virtual ~TAVOFileListHost() = default;
    // 0 normal, 1 select.
    virtual void setCurrentMode(int mode) = 0;
    virtual int currentMode() const = 0;
    virtual void changeTitle(const std::string& title) = 0;
    virtual void setRightBarItemText(const std::string& text) = 0;
    virtual void showLoading() = 0;
    virtual void dismisLoading() = 0;
    virtual void showError(const TAVOErrorPtr& error) = 0;
    virtual void showFileToast(int type, const std::string& message) = 0;
    // The downloaded-files page's hand-off (none before the tab is built).
    virtual void addDownloads(const std::vector<TAVOFileInfoPtr>& records) = 0;
};
