// A download task: the body goes to a temporary file, handed to the
// delegate (or completion handler) when complete and removed afterwards.
// Cancelling with resume data lets a new task continue where this one
// stopped (with a range request; a server that ignores the range restarts
// the file).
#pragma once

#include <functional>
#include <optional>

#include "platform/net/URLSessionTask.h"

namespace ns {

class URLSessionDownloadTask : public URLSessionTask {
public:
    // Cancels; the handler (on the delegate queue) gets resume data, or none
    // when nothing can be resumed.
    void cancelByProducingResumeData(std::function<void(const std::optional<Data>&)> handler);

    // The resume data of this task as it stands (none before any byte).
    std::optional<Data> makeResumeData() const;
    // Reads resume data; false when it is not ours or its file is gone.
    static bool parseResumeData(const Data& data, URLRequest& request, std::string& path, std::int64_t& offset,
                                std::optional<std::string>& validator);

protected:
    friend class URLSession;
    using URLSessionTask::URLSessionTask;
};

using URLSessionDownloadTaskPtr = std::shared_ptr<URLSessionDownloadTask>;

}  // namespace ns
