#include "platform/net/URLSessionTask.h"

#include <cstdio>
#include <filesystem>

#include "platform/foundation/FileManager.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/InputStream.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/UUID.h"
#include "platform/net/ChallengeResponder.h"
#include "platform/net/InputStreamBodySource.h"
#include "platform/net/URLError.h"
#include "platform/net/URLProtectionSpace.h"
#include "platform/net/URLSession.h"
#include "platform/net/URLSessionDataTask.h"
#include "platform/net/URLSessionDownloadTask.h"

namespace ns {

URLSessionTask::~URLSessionTask() {
    if (transfer_) transfer_->cancel();
    std::lock_guard<std::mutex> lock(fileMutex_);
    if (downloadFile_) std::fclose(downloadFile_);
}

URLSessionTaskState URLSessionTask::state() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return state_;
}

URLResponsePtr URLSessionTask::response() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return response_;
}

ErrorPtr URLSessionTask::error() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return error_;
}

std::uint64_t URLSessionTask::addStateObserver(StateObserver observer) {
    std::lock_guard<std::mutex> lock(mutex_);
    observers_[nextObserver_] = std::move(observer);
    return nextObserver_++;
}

void URLSessionTask::removeStateObserver(std::uint64_t token) {
    std::lock_guard<std::mutex> lock(mutex_);
    observers_.erase(token);
}

void URLSessionTask::setState(URLSessionTaskState state) {
    std::vector<StateObserver> observers;
    URLSessionTaskState old;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        old = state_;
        state_ = state;
        for (const auto& [token, observer] : observers_) observers.push_back(observer);
    }
    for (const auto& observer : observers) observer(old, state);
}

void URLSessionTask::resume() {
    std::vector<Event> held;
    bool startNow = false;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ != URLSessionTaskState::Suspended) return;
        startNow = !started_;
        started_ = true;
        held.swap(held_);
    }
    setState(URLSessionTaskState::Running);
    auto session = session_.lock();
    for (auto& event : held)
        if (session) session->enqueue(std::move(event));
    if (startNow) start();
}

void URLSessionTask::suspend() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ != URLSessionTaskState::Running) return;
    }
    setState(URLSessionTaskState::Suspended);
}

void URLSessionTask::cancel() {
    cancelWithError(makeURLError(kURLErrorCancelled, currentRequest_.url() ? currentRequest_.url()->absoluteString() : ""));
}

void URLSessionTask::cancelWithError(ErrorPtr error) {
    std::shared_ptr<URLTransfer> transfer;
    std::shared_ptr<ChallengeResponder> challenge;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (finished_ || state_ == URLSessionTaskState::Completed || state_ == URLSessionTaskState::Canceling) return;
        transfer = std::move(transfer_);
        challenge = std::move(pendingChallenge_);
        held_.clear();  // nothing of the transfer arrives after cancel
    }
    setState(URLSessionTaskState::Canceling);
    if (challenge) challenge->resolve(TrustAnswer::Cancel);
    if (transfer) transfer->cancel();
    finish(std::move(error));
}

TransferRequest URLSessionTask::makeTransferRequest() {
    auto session = session_.lock();
    TransferRequest transfer;
    transfer.url = currentRequest_.url() ? currentRequest_.url()->absoluteString() : std::string();
    transfer.method = currentRequest_.HTTPMethod();
    transfer.headers = currentRequest_.allHTTPHeaderFields().fields();
    if (session) {
        for (const auto& [name, value] : session->configuration()->HTTPAdditionalHeaders)
            if (!currentRequest_.allHTTPHeaderFields().contains(name)) transfer.headers.emplace_back(name, value);
    }
    transfer.timeoutInterval = currentRequest_.timeoutInterval();
    if (session && transfer.timeoutInterval == URLRequest::kDefaultTimeoutInterval)
        transfer.timeoutInterval = session->configuration()->timeoutIntervalForRequest;
    if (uploadBody_) {
        transfer.body = uploadBody_;
    } else if (uploadSource_) {
        transfer.bodySource = uploadSource_;
        transfer.bodyLength = expectedToSend_;
    } else if (currentRequest_.HTTPBody()) {
        transfer.body = std::make_shared<Data>(*currentRequest_.HTTPBody());
    } else if (currentRequest_.HTTPBodyStream()) {
        transfer.bodySource = std::make_shared<InputStreamBodySource>(currentRequest_.HTTPBodyStream());
        transfer.bodyLength = InputStreamBodySource::declaredLength(currentRequest_);
    }
    if (kind_ == Kind::Download && resumeOffset_ > 0) {
        transfer.headers.emplace_back("Range", "bytes=" + std::to_string(resumeOffset_) + "-");
        if (resumeValidator_) transfer.headers.emplace_back("If-Range", *resumeValidator_);
    }
    return transfer;
}

void URLSessionTask::start() {
    if (startError_) return finish(startError_);
    if (kind_ == Kind::Download) {
        std::lock_guard<std::mutex> lock(fileMutex_);
        if (downloadPath_.empty()) {
            std::string folder = temporaryDirectory();
            std::error_code ignored;
            std::filesystem::create_directories(folder, ignored);
            downloadPath_ = folder + "/CFNetworkDownload_" + UUID().UUIDString() + ".tmp";
        }
        downloadFile_ = std::fopen(downloadPath_.c_str(), resumeOffset_ > 0 ? "ab" : "wb");
    }
    if (kind_ == Kind::Download && !downloadFile_)
        return finish(makeURLError(kURLErrorCannotCreateFile, currentRequest_.url() ? currentRequest_.url()->absoluteString() : ""));
    std::weak_ptr<URLSessionTask> weak = self<URLSessionTask>();
    TransferCallbacks callbacks;
    callbacks.serverTrust = [weak](const sec::TrustPtr& trust, const std::string& host, int port) {
        auto self = weak.lock();
        return self ? self->askForTrust(trust, host, port) : TrustAnswer::Cancel;
    };
    callbacks.response = [weak](int status, const HeaderList& headers) {
        if (auto self = weak.lock()) self->onResponse(status, headers);
    };
    callbacks.data = [weak](const std::uint8_t* bytes, std::size_t length) {
        if (auto self = weak.lock()) self->onData(bytes, length);
    };
    callbacks.bodySent = [weak](std::int64_t written, std::int64_t total, std::int64_t expected) {
        auto self = weak.lock();
        if (!self) return;
        self->sent_ = total;
        self->deliver([self, written, total, expected] {
            auto session = self->session_.lock();
            auto delegate = session ? session->delegate() : nullptr;
            if (delegate) delegate->taskDidSendBodyData(session, self, written, total, expected);
        });
    };
    callbacks.complete = [weak](const ErrorPtr& error) {
        if (auto self = weak.lock()) self->finish(error);
    };
    auto transfer = URLTransfer::start(makeTransferRequest(), std::move(callbacks));
    if (kind_ != Kind::Download) transfer->setUnacknowledgedLimit(4 * 1024 * 1024);
    std::lock_guard<std::mutex> lock(mutex_);
    if (state_ == URLSessionTaskState::Canceling || finished_)
        transfer->cancel();
    else
        transfer_ = transfer;
}

TrustAnswer URLSessionTask::askForTrust(const sec::TrustPtr& trust, const std::string& host, int port) {
    auto responder = std::make_shared<ChallengeResponder>();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (finished_) return TrustAnswer::Cancel;
        pendingChallenge_ = responder;
    }
    auto self = this->self<URLSessionTask>();
    auto space = URLProtectionSpace::create(host, port, kURLProtectionSpaceHTTPS, kURLAuthenticationMethodServerTrust, trust);
    auto challenge = URLAuthenticationChallenge::create(space, responder);
    ChallengeCompletion answer = [responder](URLSessionAuthChallengeDisposition disposition,
                                             const URLCredentialPtr& credential) {
        switch (disposition) {
            case URLSessionAuthChallengeDisposition::UseCredential:
                responder->resolve(credential && credential->serverTrust() ? TrustAnswer::Accept
                                                                           : TrustAnswer::DefaultHandling);
                break;
            case URLSessionAuthChallengeDisposition::PerformDefaultHandling:
                responder->resolve(TrustAnswer::DefaultHandling);
                break;
            default: responder->resolve(TrustAnswer::Cancel);
        }
    };
    // Challenges are never held back by a suspension: the handshake waits.
    if (auto session = session_.lock()) {
        session->enqueue([self, challenge, answer, responder] {
            auto session = self->session_.lock();
            auto delegate = session ? session->delegate() : nullptr;
            if (!delegate || self->state() == URLSessionTaskState::Canceling) {
                responder->resolve(delegate ? TrustAnswer::Cancel : TrustAnswer::DefaultHandling);
            } else if (delegate->implementsTaskDidReceiveChallenge()) {
                delegate->taskDidReceiveChallenge(session, self, challenge, answer);
            } else if (delegate->implementsSessionDidReceiveChallenge()) {
                delegate->sessionDidReceiveChallenge(session, challenge, answer);
            } else {
                responder->resolve(TrustAnswer::DefaultHandling);
            }
        });
    } else {
        responder->resolve(TrustAnswer::Cancel);
    }
    TrustAnswer result = responder->wait();
    std::lock_guard<std::mutex> lock(mutex_);
    if (pendingChallenge_ == responder) pendingChallenge_.reset();
    return result;
}

void URLSessionTask::onResponse(int status, const HeaderList& headers) {
    auto response = HTTPURLResponse::create(currentRequest_.url(), status, "HTTP/1.1", headers);
    status_ = status;
    expectedToReceive_ = response->expectedContentLength();
    if (kind_ == Kind::Download) {
        // A resumed download continues only on a partial answer; anything
        // else is the whole resource again.
        appending_ = resumeOffset_ > 0 && status == 206;
        if (resumeOffset_ > 0 && !appending_) {
            std::lock_guard<std::mutex> lock(fileMutex_);
            if (downloadFile_) std::fclose(downloadFile_);
            downloadFile_ = std::fopen(downloadPath_.c_str(), "wb");
        }
        std::int64_t offset = appending_ ? resumeOffset_ : 0;
        if (!appending_) resumeOffset_ = 0;
        received_ = offset;
        std::int64_t expected = response->expectedContentLength() >= 0 ? offset + response->expectedContentLength() : -1;
        expectedToReceive_ = expected;
        if (offset > 0 || resumeValidator_) {
            auto self = this->self<URLSessionTask>();
            deliver([self, offset, expected] {
                auto session = self->session_.lock();
                auto delegate = session ? session->delegate() : nullptr;
                if (delegate && !self->downloadCompletion_)
                    delegate->downloadTaskDidResumeAtOffset(session, std::static_pointer_cast<URLSessionDownloadTask>(self),
                                                            offset, expected);
            });
        }
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        response_ = response;
        if (auto validator = response->valueForHTTPHeaderField("ETag")) resumeValidator_ = validator;
        else if (auto modified = response->valueForHTTPHeaderField("Last-Modified")) resumeValidator_ = modified;
    }
    if (kind_ == Kind::Download || dataCompletion_) return;
    auto self = this->self<URLSessionTask>();
    deliver([self, response] {
        auto session = self->session_.lock();
        auto delegate = session ? session->delegate() : nullptr;
        if (!delegate || !delegate->implementsDataTaskDidReceiveResponse()) return;
        delegate->dataTaskDidReceiveResponse(session, std::static_pointer_cast<URLSessionDataTask>(self), response,
                                             [self](URLSessionResponseDisposition disposition) {
                                                 if (disposition == URLSessionResponseDisposition::Cancel) self->cancel();
                                             });
    });
}

void URLSessionTask::onData(const std::uint8_t* bytes, std::size_t length) {
    auto self = this->self<URLSessionTask>();
    if (kind_ == Kind::Download) {
        // Written here, on the transfer's thread: the file is the buffer.
        bool written;
        {
            std::lock_guard<std::mutex> lock(fileMutex_);
            written = downloadFile_ && std::fwrite(bytes, 1, length, downloadFile_) == length;
        }
        if (!written) {
            if (state() == URLSessionTaskState::Canceling) return;
            return finish(makeURLError(kURLErrorCannotWriteToFile, currentRequest_.url()->absoluteString()));
        }
        std::int64_t total = received_ += static_cast<std::int64_t>(length);
        std::int64_t expected = expectedToReceive_;
        deliver([self, length, total, expected] {
            auto session = self->session_.lock();
            auto delegate = session ? session->delegate() : nullptr;
            if (delegate && !self->downloadCompletion_)
                delegate->downloadTaskDidWriteData(session, std::static_pointer_cast<URLSessionDownloadTask>(self),
                                                   static_cast<std::int64_t>(length), total, expected);
        });
        return;
    }
    received_ += static_cast<std::int64_t>(length);
    auto chunk = std::make_shared<Data>(bytes, length);
    deliver([self, chunk] {
        if (self->dataCompletion_) {
            self->gathered_.append(*chunk);
        } else {
            auto session = self->session_.lock();
            auto delegate = session ? session->delegate() : nullptr;
            if (delegate) delegate->dataTaskDidReceiveData(session, std::static_pointer_cast<URLSessionDataTask>(self), *chunk);
        }
        std::shared_ptr<URLTransfer> transfer;
        {
            std::lock_guard<std::mutex> lock(self->mutex_);
            transfer = self->transfer_;
        }
        if (transfer) transfer->acknowledge(chunk->length());
    });
}

void URLSessionTask::deliver(Event event) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (state_ == URLSessionTaskState::Canceling && !finished_) return;
        if (state_ == URLSessionTaskState::Suspended) {
            held_.push_back(std::move(event));
            return;
        }
    }
    // The transfer runs ahead of the delegate queue: an event queued just
    // before a suspend must still wait for the resume, in its place.
    auto self = this->self<URLSessionTask>();
    auto checked = [self, event = std::move(event)]() mutable {
        {
            std::lock_guard<std::mutex> lock(self->mutex_);
            if (self->state_ == URLSessionTaskState::Suspended) {
                self->held_.push_back(std::move(event));
                return;
            }
        }
        event();
    };
    if (auto session = session_.lock()) session->enqueue(std::move(checked));
}

void URLSessionTask::finish(ErrorPtr error) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (finished_) return;
        finished_ = true;
        transfer_.reset();
    }
    {
        std::lock_guard<std::mutex> lock(fileMutex_);
        if (downloadFile_) std::fclose(downloadFile_);
        downloadFile_ = nullptr;
    }
    if (error && error->domain() == kURLErrorDomain && currentRequest_.url()) {
        Dictionary info = error->userInfo();
        info.set(kURLErrorFailingURLErrorKey, Value(currentRequest_.url()));
        if (kind_ == Kind::Download) {
            if (auto resume = static_cast<const URLSessionDownloadTask*>(this)->makeResumeData())
                info.set(kURLSessionDownloadTaskResumeData, *resume);
        }
        error = Error::create(error->domain(), error->code(), std::move(info));
    }
    auto self = this->self<URLSessionTask>();
    auto complete = [self, error] {
        {
            std::lock_guard<std::mutex> lock(self->mutex_);
            self->error_ = error;
        }
        self->setState(URLSessionTaskState::Completed);
        auto session = self->session_.lock();
        auto delegate = session ? session->delegate() : nullptr;
        if (self->kind_ == Kind::Download) {
            URLPtr location = error ? nullptr : URL::fileURLWithPath(self->downloadPath_);
            if (self->downloadCompletion_) {
                self->downloadCompletion_(location, self->response(), error);
            } else if (delegate) {
                if (location)
                    delegate->downloadTaskDidFinishDownloadingToURL(
                        session, std::static_pointer_cast<URLSessionDownloadTask>(self), location);
                delegate->taskDidCompleteWithError(session, self, error);
            }
            // The temporary file is gone once its receiver had its turn;
            // a failed or cancelled one stays for its resume data.
            if (location) {
                std::error_code ignored;
                std::filesystem::remove(self->downloadPath_, ignored);
            }
        } else if (self->dataCompletion_) {
            std::optional<Data> body;
            if (!error) body = std::move(self->gathered_);
            self->dataCompletion_(body, self->response(), error);
        } else if (delegate) {
            delegate->taskDidCompleteWithError(session, self, error);
        }
        self->dataCompletion_ = nullptr;
        self->downloadCompletion_ = nullptr;
        if (session) session->taskCompleted(self);
    };
    bool cancelling = state() == URLSessionTaskState::Canceling;
    if (cancelling) {
        if (auto session = session_.lock()) session->enqueue(complete);
    } else {
        deliver(complete);
    }
}

}  // namespace ns
