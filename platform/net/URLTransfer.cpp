#include "platform/net/URLTransfer.h"

#include <curl/curl.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <cstring>

#include "platform/foundation/Clock.h"
#include "platform/foundation/Singleton.h"
#include "platform/foundation/WorkerPool.h"
#include "platform/net/URLError.h"

namespace ns {

namespace {

std::atomic<bool> offlineForTesting{false};

void initialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        curl_global_init(CURL_GLOBAL_DEFAULT);
        onTestReset([] { offlineForTesting = false; });
    });
}

std::string trim(std::string text) {
    auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool equalsIgnoringCase(const std::string& a, const char* b) { return strcasecmp(a.c_str(), b) == 0; }

// How long the worker sleeps between checks for cancel and idleness when
// nothing happens on the socket.
constexpr int kPollMilliseconds = 20;

constexpr long kReceiveBufferBytes = 256 * 1024;
constexpr long kSendBufferBytes = 256 * 1024;

}  // namespace

struct URLTransfer::Curl {
    CURLM* multi = nullptr;
    CURL* easy = nullptr;
    curl_slist* headers = nullptr;
    ~Curl() {
        if (multi && easy) curl_multi_remove_handle(multi, easy);
        if (easy) curl_easy_cleanup(easy);
        if (multi) curl_multi_cleanup(multi);
        curl_slist_free_all(headers);
    }
};

void URLTransfer::setOfflineForTesting(bool offline) {
    initialiseCurlOnce();
    offlineForTesting = offline;
}

URLTransfer::URLTransfer(TransferRequest request, TransferCallbacks callbacks)
    : request_(std::move(request)), callbacks_(std::move(callbacks)), curl_(std::make_unique<Curl>()) {}

URLTransfer::~URLTransfer() = default;

std::shared_ptr<URLTransfer> URLTransfer::start(TransferRequest request, TransferCallbacks callbacks) {
    initialiseCurlOnce();
    std::shared_ptr<URLTransfer> transfer(new URLTransfer(std::move(request), std::move(callbacks)));
    transfer->curl_->multi = curl_multi_init();
    // A thread of its own for as long as it runs, taken from the shared
    // pool: a parked thread starts at once where a brand-new one queues
    // behind everything else when the machine is busy.
    WorkerPool::submit([transfer] { transfer->run(); });
    return transfer;
}

void URLTransfer::cancel() {
    cancelled_ = true;
    {
        std::lock_guard<std::mutex> lock(flowMutex_);
        flowChanged_.notify_all();
    }
}

void URLTransfer::setUnacknowledgedLimit(std::size_t limit) {
    std::lock_guard<std::mutex> lock(flowMutex_);
    limit_ = limit;
    flowChanged_.notify_all();
}

void URLTransfer::acknowledge(std::size_t bytes) {
    bool wake;
    {
        std::lock_guard<std::mutex> lock(flowMutex_);
        unacknowledged_ = bytes >= unacknowledged_ ? 0 : unacknowledged_ - bytes;
        wake = readerWaiting_;
    }
    // The reader mostly runs ahead of the limit: no wake-up to pay for then.
    if (wake) flowChanged_.notify_all();
}

void URLTransfer::countHandedOver(std::size_t bytes) {
    // Counted before the hand-over, so that an acknowledgement can never
    // arrive ahead of its own count.
    std::lock_guard<std::mutex> lock(flowMutex_);
    unacknowledged_ += bytes;
}

bool URLTransfer::waitForRoom() {
    std::unique_lock<std::mutex> lock(flowMutex_);
    readerWaiting_ = true;
    flowChanged_.wait(lock, [this] { return cancelled_ || limit_ == 0 || unacknowledged_ <= limit_; });
    readerWaiting_ = false;
    return !cancelled_;
}

void URLTransfer::markActive() { lastActivity_ = Clock::monotonic(); }

void URLTransfer::run() {
    // The connection closes as soon as the worker is done, whoever still
    // holds the transfer (a cancelled server sees its client leave at once).
    struct CloseOnExit {
        Curl& curl;
        ~CloseOnExit() {
            if (curl.easy) {
                curl_multi_remove_handle(curl.multi, curl.easy);
                curl_easy_cleanup(curl.easy);
                curl.easy = nullptr;
            }
        }
    } closeOnExit{*curl_};
    auto finish = [this](const ErrorPtr& error) {
        if (!cancelled_ && callbacks_.complete) callbacks_.complete(error);
    };
    if (cancelled_) return;
    if (offlineForTesting) return finish(makeURLError(kURLErrorNotConnectedToInternet, request_.url));

    // Where we connect: needed for the trust challenge, and a URL that does
    // not even parse never reaches the network.
    {
        CURLU* parsed = curl_url();
        bool ok = curl_url_set(parsed, CURLUPART_URL, request_.url.c_str(), 0) == CURLUE_OK;
        char *scheme = nullptr, *host = nullptr, *port = nullptr;
        if (ok) ok = curl_url_get(parsed, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK &&
                     curl_url_get(parsed, CURLUPART_HOST, &host, 0) == CURLUE_OK &&
                     curl_url_get(parsed, CURLUPART_PORT, &port, CURLU_DEFAULT_PORT) == CURLUE_OK;
        std::string schemeText = scheme ? scheme : "";
        if (host) host_ = host;
        if (port) port_ = std::atoi(port);
        curl_free(scheme);
        curl_free(host);
        curl_free(port);
        curl_url_cleanup(parsed);
        if (!ok) return finish(makeURLError(kURLErrorBadURL, request_.url));
        if (schemeText != "http" && schemeText != "https")
            return finish(makeURLError(kURLErrorUnsupportedURL, request_.url));
        // Brackets of an IPv6 literal are not part of the name to check.
        if (host_.size() > 2 && host_.front() == '[') host_ = host_.substr(1, host_.size() - 2);
    }

    CURL* easy = curl_->easy = curl_easy_init();
    if (!easy || !curl_->multi) return finish(makeURLError(kURLErrorUnknown, request_.url));
    curl_easy_setopt(easy, CURLOPT_URL, request_.url.c_str());
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    // Every transfer is a fresh connection with a fresh TLS session, so every
    // server is evaluated; no cookies, redirects, compression or proxies.
    curl_easy_setopt(easy, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(easy, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_SESSIONID_CACHE, 0L);
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_PROXY, "");
    curl_easy_setopt(easy, CURLOPT_NOPROXY, "*");
    // Trust is decided by our own verification callback inside the
    // handshake; the peer must still be verified so that a refusal ends it.
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(easy, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(easy, CURLOPT_SSL_CTX_FUNCTION, &URLTransfer::onSSLContext);
    curl_easy_setopt(easy, CURLOPT_SSL_CTX_DATA, this);

    // Larger reads and sends than curl's defaults: each read is one hand-over
    // to the consumer and each send one call into a body source.
    curl_easy_setopt(easy, CURLOPT_BUFFERSIZE, kReceiveBufferBytes);
    curl_easy_setopt(easy, CURLOPT_UPLOAD_BUFFERSIZE, kSendBufferBytes);

    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &URLTransfer::onHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, this);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &URLTransfer::onWrite);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, this);
    curl_easy_setopt(easy, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(easy, CURLOPT_XFERINFOFUNCTION, &URLTransfer::onProgress);
    curl_easy_setopt(easy, CURLOPT_XFERINFODATA, this);

    const bool hasBody = request_.body || request_.bodySource;
    const std::string& method = request_.method.empty() ? std::string("GET") : request_.method;
    bool typed = false;
    for (const auto& [name, value] : request_.headers) {
        if (equalsIgnoringCase(name, "Content-Type")) typed = true;
        // curl's own framing headers stay curl's.
        if (equalsIgnoringCase(name, "Content-Length") || equalsIgnoringCase(name, "Transfer-Encoding")) continue;
        std::string line = value.empty() ? name + ";" : name + ": " + value;
        curl_->headers = curl_slist_append(curl_->headers, line.c_str());
    }
    curl_->headers = curl_slist_append(curl_->headers, "Expect:");
    if (hasBody) {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        if (request_.body) {
            // From memory, curl sends the head and the body in one go.
            curl_easy_setopt(easy, CURLOPT_POSTFIELDS, reinterpret_cast<const char*>(request_.body->bytes()));
        } else {
            curl_easy_setopt(easy, CURLOPT_READFUNCTION, &URLTransfer::onRead);
            curl_easy_setopt(easy, CURLOPT_READDATA, this);
        }
        std::int64_t length = request_.body ? static_cast<std::int64_t>(request_.body->length()) : request_.bodyLength;
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(length < 0 ? -1 : length));
        if (length < 0) curl_->headers = curl_slist_append(curl_->headers, "Transfer-Encoding: chunked");
        // Only an untyped POST body is a form; other methods send no type.
        if (method != "POST" && !typed) curl_->headers = curl_slist_append(curl_->headers, "Content-Type:");
        if (method != "POST") curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.c_str());
    } else if (method == "HEAD") {
        curl_easy_setopt(easy, CURLOPT_NOBODY, 1L);
    } else if (method == "POST") {
        // An empty POST still says so; a server would otherwise wait for a body.
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, "");
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(0));
    } else if (method != "GET") {
        curl_easy_setopt(easy, CURLOPT_CUSTOMREQUEST, method.c_str());
        if (method == "PUT" || method == "PATCH") curl_->headers = curl_slist_append(curl_->headers, "Content-Length: 0");
    }
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, curl_->headers);

    curl_multi_add_handle(curl_->multi, easy);
    const double idleLimit = request_.timeoutInterval > 0 ? request_.timeoutInterval : 60.0;
    markActive();
    CURLcode result = CURLE_OK;
    for (;;) {
        if (cancelled_) return;
        int running = 0;
        curl_multi_perform(curl_->multi, &running);
        bool done = false;
        int queued = 0;
        while (CURLMsg* message = curl_multi_info_read(curl_->multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                result = message->data.result;
                done = true;
            }
        }
        if (done || running == 0) break;
        if (Clock::monotonic() - lastActivity_ >= idleLimit) {
            curl_multi_remove_handle(curl_->multi, easy);
            curl_easy_cleanup(easy);
            curl_->easy = nullptr;
            return finish(makeURLError(kURLErrorTimedOut, request_.url));
        }
        // curl_multi_wait rather than curl_multi_poll: measurably quicker to
        // return on socket activity here; cancel is seen within one slice.
        curl_multi_wait(curl_->multi, nullptr, 0, kPollMilliseconds, nullptr);
    }
    if (cancelled_) return;
    // curl may finish a fast upload without a progress call after its last
    // bytes went out: report them before the completion, so a body's progress
    // always reaches its total first.
    curl_off_t uploaded = 0;
    if (result == CURLE_OK && curl_easy_getinfo(easy, CURLINFO_SIZE_UPLOAD_T, &uploaded) == CURLE_OK)
        reportUploaded(static_cast<std::int64_t>(uploaded), -1);
    curl_multi_remove_handle(curl_->multi, easy);
    curl_easy_cleanup(easy);
    curl_->easy = nullptr;
    if (result != CURLE_OK) return finish(errorFor(result));
    if (!headDelivered_ && status_ > 0) {
        headDelivered_ = true;
        if (callbacks_.response) callbacks_.response(status_, headers_);
    }
    if (!headDelivered_) return finish(makeURLError(kURLErrorBadServerResponse, request_.url));
    finish(nullptr);
}

ErrorPtr URLTransfer::errorFor(int curlCode) {
    if (bodyError_) return bodyError_;
    if (trustOutcome_ == TrustOutcome::Cancelled) return makeURLError(kURLErrorUserCancelledAuthentication, request_.url);
    if (trustOutcome_ == TrustOutcome::Untrusted) return makeURLError(kURLErrorServerCertificateUntrusted, request_.url);
    switch (static_cast<CURLcode>(curlCode)) {
        case CURLE_URL_MALFORMAT: return makeURLError(kURLErrorBadURL, request_.url);
        case CURLE_UNSUPPORTED_PROTOCOL: return makeURLError(kURLErrorUnsupportedURL, request_.url);
        case CURLE_COULDNT_RESOLVE_HOST: return makeURLError(kURLErrorCannotFindHost, request_.url);
        case CURLE_COULDNT_CONNECT: return makeURLError(kURLErrorCannotConnectToHost, request_.url);
        case CURLE_OPERATION_TIMEDOUT: return makeURLError(kURLErrorTimedOut, request_.url);
        case CURLE_GOT_NOTHING:
        case CURLE_PARTIAL_FILE:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
            return makeURLError(kURLErrorNetworkConnectionLost, request_.url);
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_BAD_CONTENT_ENCODING:
            return makeURLError(kURLErrorBadServerResponse, request_.url);
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CERTPROBLEM:
        case CURLE_SSL_CIPHER:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_ENGINE_INITFAILED:
        case CURLE_SSL_ISSUER_ERROR:
        case CURLE_SSL_PINNEDPUBKEYNOTMATCH:
        case CURLE_SSL_INVALIDCERTSTATUS:
        case CURLE_USE_SSL_FAILED:
            return makeURLError(kURLErrorSecureConnectionFailed, request_.url);
        default: {
            Dictionary info;
            info.set(kLocalizedDescriptionKey, std::string(curl_easy_strerror(static_cast<CURLcode>(curlCode))));
            return makeURLError(kURLErrorUnknown, request_.url,
                                Error::create("curl", curlCode, std::move(info)));
        }
    }
}

std::size_t URLTransfer::onHeader(char* data, std::size_t size, std::size_t count, void* self) {
    auto* t = static_cast<URLTransfer*>(self);
    std::size_t length = size * count;
    if (t->cancelled_) return 0;
    t->markActive();
    std::string line(data, length);
    if (line.rfind("HTTP/", 0) == 0) {
        // A new head (after 1xx heads or a proxy's): start over.
        t->headers_.clear();
        auto space = line.find(' ');
        t->status_ = space == std::string::npos ? 0 : std::atoi(line.c_str() + space + 1);
    } else if (trim(line).empty()) {
        bool informational = t->status_ >= 100 && t->status_ < 200;
        if (!informational && t->status_ > 0 && !t->headDelivered_) {
            t->headDelivered_ = true;
            if (t->callbacks_.response) t->callbacks_.response(t->status_, t->headers_);
        }
    } else if ((line[0] == ' ' || line[0] == '\t') && !t->headers_.empty()) {
        t->headers_.back().second += " " + trim(line);  // folded continuation
    } else if (auto colon = line.find(':'); colon != std::string::npos) {
        t->headers_.emplace_back(trim(line.substr(0, colon)), trim(line.substr(colon + 1)));
    }
    return t->cancelled_ ? 0 : length;
}

std::size_t URLTransfer::onWrite(char* data, std::size_t size, std::size_t count, void* self) {
    auto* t = static_cast<URLTransfer*>(self);
    std::size_t length = size * count;
    if (t->cancelled_) return 0;
    t->markActive();
    if (!t->headDelivered_) {
        t->headDelivered_ = true;
        if (t->callbacks_.response) t->callbacks_.response(t->status_, t->headers_);
    }
    if (length == 0) return 0;
    t->countHandedOver(length);
    if (t->callbacks_.data) t->callbacks_.data(reinterpret_cast<const std::uint8_t*>(data), length);
    if (!t->waitForRoom()) return 0;
    // Waiting for the consumer is not the server being idle.
    t->markActive();
    return length;
}

std::size_t URLTransfer::onRead(char* buffer, std::size_t size, std::size_t count, void* self) {
    auto* t = static_cast<URLTransfer*>(self);
    std::size_t capacity = size * count;
    if (t->cancelled_) return CURL_READFUNC_ABORT;
    t->markActive();
    if (t->request_.body) {
        const Data& body = *t->request_.body;
        std::size_t piece = std::min(capacity, body.length() - t->memoryOffset_);
        std::memcpy(buffer, body.bytes() + t->memoryOffset_, piece);
        t->memoryOffset_ += piece;
        return piece;
    }
    long read = t->request_.bodySource->read(reinterpret_cast<std::uint8_t*>(buffer), capacity);
    if (read < 0) {
        t->bodyError_ = t->request_.bodySource->error();
        if (!t->bodyError_) t->bodyError_ = makeURLError(kURLErrorUnknown, t->request_.url);
        return CURL_READFUNC_ABORT;
    }
    return static_cast<std::size_t>(read);
}

int URLTransfer::onProgress(void* self, std::int64_t, std::int64_t dlNow, std::int64_t ulTotal, std::int64_t ulNow) {
    auto* t = static_cast<URLTransfer*>(self);
    if (t->cancelled_) return 1;
    t->reportUploaded(ulNow, ulTotal);
    (void)dlNow;
    return t->cancelled_ ? 1 : 0;
}

void URLTransfer::reportUploaded(std::int64_t sent, std::int64_t curlTotal) {
    if (sent <= lastUploaded_) return;
    markActive();
    std::int64_t written = sent - lastUploaded_;
    lastUploaded_ = sent;
    std::int64_t expected = request_.body ? static_cast<std::int64_t>(request_.body->length())
                                          : (request_.bodyLength >= 0 ? request_.bodyLength : -1);
    if (expected < 0 && curlTotal > 0) expected = curlTotal;
    if (callbacks_.bodySent) callbacks_.bodySent(written, sent, expected);
}

int URLTransfer::onSSLContext(void*, void* sslContext, void* self) {
    auto* ctx = static_cast<SSL_CTX*>(sslContext);
    SSL_CTX_set_verify(ctx, SSL_VERIFY_PEER, nullptr);
    SSL_CTX_set_cert_verify_callback(
        ctx, [](X509_STORE_CTX* store, void* arg) { return URLTransfer::onVerify(store, arg); }, self);
    SSL_CTX_set_session_cache_mode(ctx, SSL_SESS_CACHE_OFF);
    return CURLE_OK;
}

int URLTransfer::onVerify(void* storeContext, void* self) {
    auto* t = static_cast<URLTransfer*>(self);
    auto* store = static_cast<X509_STORE_CTX*>(storeContext);
    if (t->cancelled_) return 0;

    std::vector<sec::CertificatePtr> chain;
    X509* leaf = X509_STORE_CTX_get0_cert(store);
    if (auto cert = sec::Certificate::createWithX509(leaf)) chain.push_back(cert);
    if (STACK_OF(X509)* sent = X509_STORE_CTX_get0_untrusted(store)) {
        for (int i = 0; i < sk_X509_num(sent); ++i) {
            X509* cert = sk_X509_value(sent, i);
            if (X509_cmp(cert, leaf) == 0) continue;
            if (auto c = sec::Certificate::createWithX509(cert)) chain.push_back(c);
        }
    }
    auto trust = sec::Trust::create(chain, {sec::Policy::createSSL(true, t->host_)});
    if (!trust) {
        t->trustOutcome_ = TrustOutcome::Untrusted;
        return 0;
    }
    TrustAnswer answer = t->callbacks_.serverTrust ? t->callbacks_.serverTrust(trust, t->host_, t->port_)
                                                   : TrustAnswer::DefaultHandling;
    t->markActive();
    if (t->cancelled_) return 0;
    switch (answer) {
        case TrustAnswer::Accept:
            t->trustOutcome_ = TrustOutcome::Accepted;
            return 1;
        case TrustAnswer::Cancel:
            t->trustOutcome_ = TrustOutcome::Cancelled;
            X509_STORE_CTX_set_error(store, X509_V_ERR_APPLICATION_VERIFICATION);
            return 0;
        case TrustAnswer::DefaultHandling: {
            // The system's own judgement: its root store and the host name.
            auto fresh = sec::Trust::create(chain, {sec::Policy::createSSL(true, t->host_)});
            if (fresh->evaluateIsTrusted()) {
                t->trustOutcome_ = TrustOutcome::Accepted;
                return 1;
            }
            t->trustOutcome_ = TrustOutcome::Untrusted;
            X509_STORE_CTX_set_error(store, X509_V_ERR_CERT_UNTRUSTED);
            return 0;
        }
    }
    return 0;
}

}  // namespace ns
