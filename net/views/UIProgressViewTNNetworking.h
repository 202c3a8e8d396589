// A progress bar that follows a request operation's upload or download
// progress. The operation's own progress callback keeps running first.
#pragma once

#include "net/http/TNURLConnectionOperation.h"
#include "platform/ui/ProgressView.h"

class UIProgressViewTNNetworking {
public:
    // An unknown total (0 or less) never moves the bar.
    static void setProgressWithUploadProgressOfOperation(const std::shared_ptr<ui::ProgressView>& view,
                                                         const TNURLConnectionOperationPtr& operation, bool animated);
    static void setProgressWithDownloadProgressOfOperation(const std::shared_ptr<ui::ProgressView>& view,
                                                           const TNURLConnectionOperationPtr& operation, bool animated);

    // Stored only: nothing reads them.
    static bool uploadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view);
    static void setUploadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view, bool animated);
    static bool downloadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view);
    static void setDownloadProgressAnimated(const std::shared_ptr<ui::ProgressView>& view, bool animated);
};
