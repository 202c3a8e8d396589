// Data and upload tasks: the body comes back to the delegate (or the
// completion handler) in memory.
#pragma once

#include "platform/net/URLSessionTask.h"

namespace ns {

class URLSessionDataTask : public URLSessionTask {
protected:
    friend class URLSession;
    using URLSessionTask::URLSessionTask;
};

class URLSessionUploadTask : public URLSessionDataTask {
protected:
    friend class URLSession;
    using URLSessionDataTask::URLSessionDataTask;
};

using URLSessionDataTaskPtr = std::shared_ptr<URLSessionDataTask>;
using URLSessionUploadTaskPtr = std::shared_ptr<URLSessionUploadTask>;

}  // namespace ns
