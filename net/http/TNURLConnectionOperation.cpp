#include "net/http/TNURLConnectionOperation.h"

#include <charconv>

#include "net/http/TNArchivedHTTPValues.h"
#include "net/http/TNNetworkingNotifications.h"
#include "platform/foundation/BlockOperation.h"
#include "platform/foundation/DispatchOnce.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/net/URLError.h"
#include "platform/ui/Application.h"

namespace {

const char* keyForState(TNOperationState state) {
    switch (state) {
    case TNOperationReadyState: return "isReady";
    case TNOperationExecutingState: return "isExecuting";
    case TNOperationFinishedState: return "isFinished";
    case TNOperationPausedState: return "isPaused";
    }
    return "state";
}

bool isValidTransition(TNOperationState from, TNOperationState to, bool cancelled) {
    switch (from) {
    case TNOperationReadyState:
        return to == TNOperationPausedState || to == TNOperationExecutingState ||
               (to == TNOperationFinishedState && cancelled);
    case TNOperationExecutingState:
        return to == TNOperationPausedState || to == TNOperationFinishedState;
    case TNOperationFinishedState:
        return false;
    case TNOperationPausedState:
        return to == TNOperationReadyState;
    }
    return false;
}

// Beyond this a memory stream grows as the body arrives.
constexpr std::int64_t kLargestReservation = 16 * 1024 * 1024;

std::int64_t parseInt64(const std::string& text) {
    std::int64_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

std::shared_ptr<TNURLConnectionOperation> TNURLConnectionOperation::create(const ns::URLRequest& request) {
    return std::shared_ptr<TNURLConnectionOperation>(new TNURLConnectionOperation(request));
}

TNURLConnectionOperation::~TNURLConnectionOperation() {
    if (outputStream_) outputStream_->close();
    if (backgroundTaskIdentifier_)
        if (auto application = ui::Application::existing()) application->endBackgroundTask(backgroundTaskIdentifier_);
}

std::shared_ptr<ns::Thread> TNURLConnectionOperation::networkRequestThread() {
    static dispatch::OnceFlag once;
    static std::shared_ptr<ns::Thread> thread;
    dispatch::once(once, [] {
        thread = ns::Thread::create([] {
            // Serves the loop for the life of the process.
            ns::RunLoop::current()->run();
        });
        thread->setName("TAVONetworking");
        thread->start();
    });
    return thread;
}

void TNURLConnectionOperation::performOnNetworkThread(std::function<void()> block) {
    networkRequestThread()->runLoop()->perform(std::move(block), runLoopModes);
}

std::shared_ptr<dispatch::Group> TNURLConnectionOperation::processCompletionGroup() {
    static auto group = dispatch::Group::create();
    return group;
}

std::shared_ptr<dispatch::Queue> TNURLConnectionOperation::effectiveCompletionQueue() const {
    return completionQueue ? completionQueue : dispatch::Queue::main();
}

std::shared_ptr<dispatch::Group> TNURLConnectionOperation::effectiveCompletionGroup() const {
    return completionGroup ? completionGroup : processCompletionGroup();
}

void TNURLConnectionOperation::postNotification(const char* name) {
    auto self = this->self<TNURLConnectionOperation>();
    std::string notificationName = name;
    dispatch::Queue::main()->async([self, notificationName] {
        ns::NotificationCenter::defaultCenter()->postNotificationName(notificationName, ns::Value(self));
    });
}

// --- Properties ------------------------------------------------------------

void TNURLConnectionOperation::setUploadProgressBlock(ProgressBlock block) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    uploadProgress_ = std::move(block);
}
void TNURLConnectionOperation::setDownloadProgressBlock(ProgressBlock block) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    downloadProgress_ = std::move(block);
}
void TNURLConnectionOperation::setResumeDownloadProgressBlock(ResumeDownloadBlock block) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    resumeDownloadProgress_ = std::move(block);
}
void TNURLConnectionOperation::setWillSendRequestForAuthenticationChallengeBlock(ChallengeBlock block) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    authenticationChallenge_ = std::move(block);
}
void TNURLConnectionOperation::setRedirectResponseBlock(RedirectBlock block) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    redirectResponse_ = std::move(block);
}

ns::URLRequest TNURLConnectionOperation::request() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return request_;
}

void TNURLConnectionOperation::setRequest(const ns::URLRequest& request) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    request_ = request;
}

ns::URLResponsePtr TNURLConnectionOperation::response() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return response_;
}

ns::ErrorPtr TNURLConnectionOperation::error() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return error_;
}

std::optional<ns::Data> TNURLConnectionOperation::responseData() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return responseData_;
}

ns::StringEncoding TNURLConnectionOperation::responseStringEncoding() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (response_ && response_->textEncodingName())
        if (auto encoding = ns::str::encodingFromIANACharsetName(*response_->textEncodingName())) return *encoding;
    return ns::kUTF8StringEncoding;
}

std::optional<std::string> TNURLConnectionOperation::responseString() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!responseString_ && response_ && responseData_)
        responseString_ = ns::str::fromData(*responseData_, responseStringEncoding());
    return responseString_;
}

ns::InputStreamPtr TNURLConnectionOperation::inputStream() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return request_.HTTPBodyStream();
}

void TNURLConnectionOperation::setInputStream(const ns::InputStreamPtr& stream) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    ns::MutableURLRequest copy(request_);
    copy.setHTTPBodyStream(stream);
    request_ = copy;
}

ns::OutputStreamPtr TNURLConnectionOperation::outputStream() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!outputStream_) {
        outputStream_ = ns::OutputStream::outputStreamToMemory();
        ownsOutputStream_ = true;
    }
    return outputStream_;
}

void TNURLConnectionOperation::setOutputStream(const ns::OutputStreamPtr& stream) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (stream == outputStream_) return;
    if (outputStream_) outputStream_->close();
    outputStream_ = stream;
    ownsOutputStream_ = false;
}

void TNURLConnectionOperation::installCompletionBlock(std::function<void()> block, std::function<void()> original) {
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        completionBlock_ = std::move(original);
    }
    ns::Operation::setCompletionBlock(std::move(block));
}

std::function<void()> TNURLConnectionOperation::completionBlock() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return completionBlock_;
}

void TNURLConnectionOperation::setCompletionBlock(std::function<void()> block) {
    if (!block) {
        installCompletionBlock(nullptr, nullptr);
        return;
    }
    std::weak_ptr<TNURLConnectionOperation> weak = self<TNURLConnectionOperation>();
    installCompletionBlock(
        [weak, block] {
            auto strong = weak.lock();
            if (!strong) return;
            strong->effectiveCompletionGroup()->async(strong->effectiveCompletionQueue(), block);
        },
        block);
}

void TNURLConnectionOperation::copySettingsInto(TNURLConnectionOperation& copy) const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    copy.uploadProgress_ = uploadProgress_;
    copy.downloadProgress_ = downloadProgress_;
    copy.authenticationChallenge_ = authenticationChallenge_;
    copy.redirectResponse_ = redirectResponse_;
    copy.completionQueue = completionQueue;
    copy.completionGroup = completionGroup;
}

std::shared_ptr<TNURLConnectionOperation> TNURLConnectionOperation::copy() const {
    auto copy = create(request());
    copySettingsInto(*copy);
    return copy;
}

std::vector<std::shared_ptr<ns::Operation>> TNURLConnectionOperation::batchOfRequestOperations(
    const std::vector<std::shared_ptr<TNURLConnectionOperation>>& operations,
    std::function<void(std::size_t finished, std::size_t total)> progress,
    std::function<void(const std::vector<std::shared_ptr<TNURLConnectionOperation>>&)> completion) {
    if (operations.empty()) {
        return {ns::BlockOperation::create([completion] {
            dispatch::Queue::main()->async([completion] {
                if (completion) completion({});
            });
        })};
    }
    auto group = dispatch::Group::create();
    auto finished = std::make_shared<std::atomic<std::size_t>>(0);
    std::size_t total = operations.size();
    std::vector<std::shared_ptr<ns::Operation>> batch;
    for (const auto& operation : operations) {
        group->enter();
        operation->completionGroup = group;
        auto previous = operation->completionBlock();
        std::weak_ptr<TNURLConnectionOperation> weak = operation;
        operation->installCompletionBlock(
            [weak, previous, group, finished, total, progress] {
                auto strong = weak.lock();
                if (previous && strong) {
                    // The previous completion runs as it would have (its own
                    // queue, inside the group); the count follows it.
                    group->async(strong->effectiveCompletionQueue(), previous);
                }
                auto queue = strong ? strong->effectiveCompletionQueue() : dispatch::Queue::main();
                group->async(queue, [finished, total, progress, group] {
                    std::size_t count = ++*finished;
                    if (progress) dispatch::Queue::main()->async([progress, count, total] { progress(count, total); });
                    group->leave();
                });
            },
            previous);
        batch.push_back(operation);
    }
    auto final = ns::BlockOperation::create([group, operations, completion] {
        group->notify(dispatch::Queue::main(), [operations, completion] {
            if (completion) completion(operations);
        });
    });
    for (const auto& operation : operations) final->addDependency(operation);
    batch.push_back(final);
    return batch;
}

void TNURLConnectionOperation::setShouldExecuteAsBackgroundTaskWithExpirationHandler(std::function<void()> handler) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (backgroundTaskIdentifier_) return;
    auto application = ui::Application::sharedApplication();
    std::weak_ptr<TNURLConnectionOperation> weak = self<TNURLConnectionOperation>();
    backgroundTaskIdentifier_ = application->beginBackgroundTaskWithExpirationHandler([weak, handler] {
        if (handler) handler();
        auto strong = weak.lock();
        if (!strong) return;
        strong->cancel();
        std::lock_guard<std::recursive_mutex> guard(strong->lock_);
        if (auto app = ui::Application::existing()) app->endBackgroundTask(strong->backgroundTaskIdentifier_);
        strong->backgroundTaskIdentifier_ = 0;
    });
}

// --- State -------------------------------------------------------------------

TNOperationState TNURLConnectionOperation::state() const { return state_.load(); }

void TNURLConnectionOperation::setState(TNOperationState state) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    TNOperationState old = state_.load();
    if (!isValidTransition(old, state, isCancelled())) return;
    std::string oldKey = keyForState(old);
    std::string newKey = keyForState(state);
    willChangeValueForKey(newKey);
    willChangeValueForKey(oldKey);
    state_ = state;
    didChangeValueForKey(oldKey);
    didChangeValueForKey(newKey);
}

bool TNURLConnectionOperation::isPaused() const { return state() == TNOperationPausedState; }
bool TNURLConnectionOperation::isReady() const { return state() == TNOperationReadyState && ns::Operation::isReady(); }
bool TNURLConnectionOperation::isExecuting() const { return state() == TNOperationExecutingState; }
bool TNURLConnectionOperation::isFinished() const { return state() == TNOperationFinishedState; }

std::string TNURLConnectionOperation::description() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(this));
    return "<" + className() + ": " + address + ", state: " + keyForState(state_.load()) +
           ", cancelled: " + (isCancelled() ? "YES" : "NO") +
           " request: " + (request_.url() ? request_.url()->absoluteString() : "(null)") +
           ", response: " + (response_ ? response_->description() : "(null)") + ">";
}

// --- Life cycle -------------------------------------------------------------

void TNURLConnectionOperation::start() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    auto self = this->self<TNURLConnectionOperation>();
    if (isCancelled()) {
        performOnNetworkThread([self] { self->cancelConnection(); });
    } else if (isReady()) {
        setState(TNOperationExecutingState);
        performOnNetworkThread([self] { self->operationDidStart(); });
    }
}

void TNURLConnectionOperation::operationDidStart() {
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        if (isCancelled() || state_ != TNOperationExecutingState) return;
        auto delegate = std::static_pointer_cast<ns::URLConnectionDelegate>(self<TNURLConnectionOperation>());
        connection_ = ns::URLConnection::create(request_, delegate, false);
        auto loop = ns::RunLoop::current();
        auto stream = outputStream();
        for (const auto& mode : runLoopModes) {
            connection_->scheduleInRunLoop(loop, mode);
            stream->scheduleInRunLoop(loop, mode);
        }
        connection_->start();
    }
    postNotification(TNNetworkingOperationDidStartNotification);
}

void TNURLConnectionOperation::cancel() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (isFinished() || isCancelled()) return;
    ns::Operation::cancel();
    if (isExecuting()) {
        auto self = this->self<TNURLConnectionOperation>();
        performOnNetworkThread([self] { self->cancelConnection(); });
    }
}

void TNURLConnectionOperation::cancelConnection() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (isFinished()) return;
    auto error = ns::makeURLError(ns::kURLErrorCancelled, request_.url() ? request_.url()->absoluteString() : "");
    if (connection_) {
        auto connection = connection_;
        connection->cancel();
        failLocked(error);
    } else {
        error_ = error;
        finish();
    }
}

void TNURLConnectionOperation::pause() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (isPaused() || isFinished() || isCancelled()) return;
    if (isExecuting()) {
        // From here on nothing of the old connection is taken in.
        auto connection = connection_;
        connection_.reset();
        if (connection) performOnNetworkThread([connection] { connection->cancel(); });
        postNotification(TNNetworkingOperationDidFinishNotification);
    }
    setState(TNOperationPausedState);
}

void TNURLConnectionOperation::resume() {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!isPaused()) return;
    setState(TNOperationReadyState);
    start();
}

void TNURLConnectionOperation::finish() {
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        if (isFinished()) return;
        setState(TNOperationFinishedState);
    }
    postNotification(TNNetworkingOperationDidFinishNotification);
}

bool TNURLConnectionOperation::isCurrent(const ns::URLConnectionPtr& connection) const {
    return connection && connection == connection_ && state_ == TNOperationExecutingState;
}

// --- Connection delegate --------------------------------------------------------

bool TNURLConnectionOperation::implementsWillSendRequest() const {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    return static_cast<bool>(redirectResponse_);
}

std::optional<ns::URLRequest> TNURLConnectionOperation::connectionWillSendRequestRedirectResponse(
    const ns::URLConnectionPtr& connection, const ns::URLRequest& request, const ns::URLResponsePtr& response) {
    RedirectBlock block;
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        block = redirectResponse_;
    }
    return block ? block(connection, request, response) : std::optional<ns::URLRequest>(request);
}

void TNURLConnectionOperation::connectionWillSendRequestForAuthenticationChallenge(
    const ns::URLConnectionPtr& connection, const ns::URLAuthenticationChallengePtr& challenge) {
    ChallengeBlock block;
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        block = authenticationChallenge_;
    }
    if (block) {
        block(connection, challenge);
        return;
    }
    auto sender = challenge->sender();
    const auto& space = challenge->protectionSpace();
    if (space->authenticationMethod() == ns::kURLAuthenticationMethodServerTrust) {
        auto trust = space->serverTrust();
        if (securityPolicy && securityPolicy->evaluateServerTrust(trust, space->host())) {
            sender->useCredential(ns::URLCredential::credentialForTrust(trust), challenge);
        } else {
            sender->cancelAuthenticationChallenge(challenge);
        }
        return;
    }
    if (challenge->previousFailureCount() == 0 && credential) {
        sender->useCredential(credential, challenge);
    } else {
        sender->continueWithoutCredentialForAuthenticationChallenge(challenge);
    }
}

void TNURLConnectionOperation::connectionDidReceiveResponse(const ns::URLConnectionPtr& connection,
                                                            const ns::URLResponsePtr& response) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!isCurrent(connection)) return;
    response_ = response;
    auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response);
    if (http && http->statusCode() == 200 && request_.valueForHTTPHeaderField("Range")) {
        // The server ignored the range and sends the whole body again.
        auto stream = outputStream();
        if (stream->dataWrittenToMemory()) {
            stream->close();
            outputStream_ = ns::OutputStream::outputStreamToMemory();
            ownsOutputStream_ = true;
            totalBytesRead_ = 0;
        } else {
            connection->cancel();
            failLocked(ns::makeURLError(ns::kURLErrorBadServerResponse,
                                        request_.url() ? request_.url()->absoluteString() : ""));
            return;
        }
    }
    auto stream = outputStream();
    stream->open();
    // A body of known length lands in memory in one piece; a server's
    // claim is believed only up to a sane size.
    std::int64_t expected = response ? response->expectedContentLength() : -1;
    if (expected > 0) stream->reserveCapacity(static_cast<std::size_t>(std::min(expected, kLargestReservation)));
}

void TNURLConnectionOperation::connectionDidReceiveData(const ns::URLConnectionPtr& connection, const ns::Data& data) {
    std::int64_t length = static_cast<std::int64_t>(data.length());
    ProgressBlock progress;
    std::int64_t expected = -1;
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        if (!isCurrent(connection)) return;
        auto stream = outputStream();
        std::size_t written = 0;
        while (written < data.length()) {
            if (stream->streamStatus() == ns::StreamStatus::Error || !stream->hasSpaceAvailable()) {
                auto streamError = stream->streamError();
                connection->cancel();
                failLocked(streamError ? streamError
                                       : ns::makeURLError(ns::kURLErrorCannotWriteToFile,
                                                          request_.url() ? request_.url()->absoluteString() : ""));
                return;
            }
            std::int64_t n = stream->write(data.bytes() + written, data.length() - written);
            if (n <= 0) {
                auto streamError = stream->streamError();
                connection->cancel();
                failLocked(streamError ? streamError
                                       : ns::makeURLError(ns::kURLErrorCannotWriteToFile,
                                                          request_.url() ? request_.url()->absoluteString() : ""));
                return;
            }
            written += static_cast<std::size_t>(n);
        }
        progress = downloadProgress_;
        if (response_) expected = response_->expectedContentLength();
    }
    auto self = this->self<TNURLConnectionOperation>();
    dispatch::Queue::main()->async([self, progress, length, expected] {
        std::int64_t total = self->totalBytesRead_ += length;
        if (progress) progress(length, total, expected);
    });
}

void TNURLConnectionOperation::connectionDidSendBodyData(const ns::URLConnectionPtr& connection,
                                                         std::int64_t bytesWritten, std::int64_t totalBytesWritten,
                                                         std::int64_t totalBytesExpectedToWrite) {
    ProgressBlock progress;
    {
        std::lock_guard<std::recursive_mutex> guard(lock_);
        if (!isCurrent(connection)) return;
        progress = uploadProgress_;
    }
    if (!progress) return;
    dispatch::Queue::main()->async([progress, bytesWritten, totalBytesWritten, totalBytesExpectedToWrite] {
        progress(bytesWritten, totalBytesWritten, totalBytesExpectedToWrite);
    });
}

void TNURLConnectionOperation::connectionDidFinishLoading(const ns::URLConnectionPtr& connection) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!isCurrent(connection)) return;
    auto stream = outputStream();
    responseData_ = takeStreamData();
    stream->close();
    if (responseData_) outputStream_.reset();
    connection_.reset();
    if (resumeDownloadProgress_) {
        std::int64_t contentLength = 0;
        std::int64_t total = 0;
        if (auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response_)) {
            if (auto length = http->valueForHTTPHeaderField("Content-Length")) contentLength = parseInt64(*length);
            if (auto range = http->valueForHTTPHeaderField("Content-Range")) {
                auto slash = range->find('/');
                if (slash != std::string::npos) total = parseInt64(range->substr(slash + 1));
            }
        }
        // On the main queue, ahead of the completion (posted once finished).
        auto block = resumeDownloadProgress_;
        dispatch::Queue::main()->async([block, contentLength, total] { block(contentLength, total); });
    }
    finish();
}

void TNURLConnectionOperation::connectionDidFailWithError(const ns::URLConnectionPtr& connection,
                                                          const ns::ErrorPtr& error) {
    std::lock_guard<std::recursive_mutex> guard(lock_);
    if (!isCurrent(connection)) return;
    failLocked(error);
}

void TNURLConnectionOperation::failLocked(const ns::ErrorPtr& error) {
    error_ = error;
    if (outputStream_) {
        responseData_ = takeStreamData();
        outputStream_->close();
        if (responseData_) outputStream_.reset();
    }
    connection_.reset();
    finish();
}

std::optional<ns::Data> TNURLConnectionOperation::takeStreamData() {
    if (!outputStream_) return std::nullopt;
    // Nobody else can read a stream we made and are about to drop.
    return ownsOutputStream_ ? outputStream_->takeDataWrittenToMemory() : outputStream_->dataWrittenToMemory();
}

// --- Archiving -----------------------------------------------------------------

void TNURLConnectionOperation::encodeWithCoder(ns::KeyedArchiver& coder) {
    pause();
    std::lock_guard<std::recursive_mutex> guard(lock_);
    // An operation read back has no connection: it can only be ready or done.
    TNOperationState state = state_ == TNOperationFinishedState ? TNOperationFinishedState : TNOperationReadyState;
    coder.encodeObject(TNArchivedRequest(request_), "request");
    coder.encodeInt(state, "state");
    coder.encodeObject(TNArchivedResponse(response_), "response");
    coder.encodeObject(TNArchivedError(error_), "error");
    if (responseData_) coder.encodeData(*responseData_, "responseData");
    coder.encodeInt(totalBytesRead_, "totalBytesRead");
}

bool TNURLConnectionOperation::initWithCoder(ns::KeyedUnarchiver& coder) {
    auto request = TNRequestFromArchive(coder.decodeObjectForKey("request"));
    auto response = TNResponseFromArchive(coder.decodeObjectForKey("response"));
    auto error = TNErrorFromArchive(coder.decodeObjectForKey("error"));
    const std::int64_t state = coder.decodeIntForKey("state");
    const std::int64_t totalBytesRead = coder.decodeIntForKey("totalBytesRead");
    if (!request || !response || !error) return false;
    if (state != TNOperationReadyState && state != TNOperationFinishedState) return false;
    if (totalBytesRead < 0) return false;
    std::lock_guard<std::recursive_mutex> guard(lock_);
    request_ = *request;
    response_ = *response;
    error_ = *error;
    responseData_ = coder.decodeDataForKey("responseData");
    totalBytesRead_ = totalBytesRead;
    state_ = static_cast<TNOperationState>(state);
    return true;
}
