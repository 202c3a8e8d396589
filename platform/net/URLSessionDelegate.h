// What an ns::URLSession tells its delegate, on the session's delegate
// queue, one call at a time and in order. Optional calls whose presence
// changes what the session does are announced by implementsX().
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/URLResponse.h"
#include "platform/net/URLAuthenticationChallenge.h"
#include "platform/net/URLCredential.h"

namespace ns {

class URLSession;
class URLSessionTask;
class URLSessionDataTask;
class URLSessionDownloadTask;
using URLSessionPtr = std::shared_ptr<URLSession>;

enum class URLSessionAuthChallengeDisposition : int {
    UseCredential = 0,
    PerformDefaultHandling = 1,
    CancelAuthenticationChallenge = 2,
    RejectProtectionSpace = 3,
};

enum class URLSessionResponseDisposition : int {
    Cancel = 0,
    Allow = 1,
    BecomeDownload = 2,  // not offered: treated as Allow
};

using ChallengeCompletion = std::function<void(URLSessionAuthChallengeDisposition, const URLCredentialPtr&)>;

class URLSessionDelegate {
public:
    virtual ~URLSessionDelegate() = default;

    virtual void sessionDidBecomeInvalidWithError(const URLSessionPtr&, const ErrorPtr&) {}

    // Session-level challenges: asked when the task-level one is not implemented.
    virtual bool implementsSessionDidReceiveChallenge() const { return false; }
    virtual void sessionDidReceiveChallenge(const URLSessionPtr&, const URLAuthenticationChallengePtr&,
                                            ChallengeCompletion completion) {
        completion(URLSessionAuthChallengeDisposition::PerformDefaultHandling, nullptr);
    }
    virtual bool implementsTaskDidReceiveChallenge() const { return false; }
    virtual void taskDidReceiveChallenge(const URLSessionPtr&, const std::shared_ptr<URLSessionTask>&,
                                         const URLAuthenticationChallengePtr&, ChallengeCompletion completion) {
        completion(URLSessionAuthChallengeDisposition::PerformDefaultHandling, nullptr);
    }

    virtual void taskDidSendBodyData(const URLSessionPtr&, const std::shared_ptr<URLSessionTask>&,
                                     std::int64_t /*bytesSent*/, std::int64_t /*totalBytesSent*/,
                                     std::int64_t /*totalBytesExpectedToSend*/) {}
    virtual void taskDidCompleteWithError(const URLSessionPtr&, const std::shared_ptr<URLSessionTask>&,
                                          const ErrorPtr&) {}

    virtual bool implementsDataTaskDidReceiveResponse() const { return false; }
    virtual void dataTaskDidReceiveResponse(const URLSessionPtr&, const std::shared_ptr<URLSessionDataTask>&,
                                            const URLResponsePtr&,
                                            std::function<void(URLSessionResponseDisposition)> completion) {
        completion(URLSessionResponseDisposition::Allow);
    }
    virtual void dataTaskDidReceiveData(const URLSessionPtr&, const std::shared_ptr<URLSessionDataTask>&,
                                        const Data&) {}

    // The file at `location` is removed once this returns: move it away.
    virtual void downloadTaskDidFinishDownloadingToURL(const URLSessionPtr&,
                                                       const std::shared_ptr<URLSessionDownloadTask>&,
                                                       const URLPtr& /*location*/) {}
    virtual void downloadTaskDidWriteData(const URLSessionPtr&, const std::shared_ptr<URLSessionDownloadTask>&,
                                          std::int64_t /*bytesWritten*/, std::int64_t /*totalBytesWritten*/,
                                          std::int64_t /*totalBytesExpectedToWrite*/) {}
    virtual void downloadTaskDidResumeAtOffset(const URLSessionPtr&, const std::shared_ptr<URLSessionDownloadTask>&,
                                               std::int64_t /*fileOffset*/, std::int64_t /*expectedTotalBytes*/) {}
};

}  // namespace ns
