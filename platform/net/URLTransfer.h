// One HTTP(S) exchange over libcurl, on a worker thread of its own (one of
// the shared worker pool's, held for the whole exchange).
//
// This is the engine under ns::URLConnection and ns::URLSession: it knows
// nothing of run loops or delegates. Callbacks run on the worker thread, in
// order: serverTrust (HTTPS only, inside the TLS handshake, before any
// request byte is sent), response (the final non-1xx head), bodySent / data
// as they happen, then complete exactly once. After cancel() no callback
// starts.
//
// Every transfer opens a fresh connection and a fresh TLS session (so every
// server is evaluated), sends no cookies, follows no redirects, asks for no
// compression, never sends "Expect: 100-continue" and uses no proxy.
// timeoutInterval is an idle time-out measured on ns::Clock: the transfer
// fails with -1001 once nothing has moved for that long.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/net/Trust.h"

namespace ns {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

// Reads the next piece of a streamed request body.
class TransferBodySource {
public:
    virtual ~TransferBodySource() = default;
    // Bytes read into `buffer` (> 0), 0 at the end, < 0 on error.
    virtual long read(std::uint8_t* buffer, std::size_t capacity) = 0;
    // The error behind a negative read.
    virtual ErrorPtr error() const = 0;
};

struct TransferRequest {
    std::string url;
    std::string method = "GET";
    HeaderList headers;
    // A body from memory, or from a source (Content-Length from
    // bodyLength when >= 0, else chunked).
    std::shared_ptr<const Data> body;
    std::shared_ptr<TransferBodySource> bodySource;
    std::int64_t bodyLength = -1;
    double timeoutInterval = 60.0;
};

enum class TrustAnswer {
    Accept,          // the credential for the trust: go on
    Cancel,          // the challenge was cancelled: fail with -1012
    DefaultHandling  // the system's own evaluation (system roots, host name)
};

struct TransferCallbacks {
    // HTTPS: decides on the server's chain (leaf first). May block; when
    // unset, default handling applies.
    std::function<TrustAnswer(const sec::TrustPtr& trust, const std::string& host, int port)> serverTrust;
    std::function<void(int status, const HeaderList& headers)> response;
    std::function<void(const std::uint8_t* bytes, std::size_t length)> data;
    std::function<void(std::int64_t written, std::int64_t totalWritten, std::int64_t totalExpected)> bodySent;
    // nullptr on success.
    std::function<void(const ErrorPtr& error)> complete;
};

class URLTransfer : public std::enable_shared_from_this<URLTransfer> {
public:
    // Starts at once on a worker thread.
    static std::shared_ptr<URLTransfer> start(TransferRequest request, TransferCallbacks callbacks);
    ~URLTransfer();

    // No callback starts after this returns; the worker winds down on its own.
    void cancel();
    bool isCancelled() const { return cancelled_; }

    // Flow control: data callbacks hand over bytes that the consumer may
    // deliver later; the worker stops reading from the network while more
    // than `limit` bytes are handed over and not yet acknowledged. Without a
    // limit (the default), reading never waits.
    void setUnacknowledgedLimit(std::size_t limit);
    void acknowledge(std::size_t bytes);

    // Test switch: while on, every transfer fails at once with -1009.
    static void setOfflineForTesting(bool offline);

private:
    URLTransfer(TransferRequest request, TransferCallbacks callbacks);
    struct Curl;
    void run();
    void markActive();
    // Tells bodySent about body bytes curl has sent since the last report.
    void reportUploaded(std::int64_t sent, std::int64_t curlTotal);
    void countHandedOver(std::size_t bytes);
    // Waits while more than the limit is handed over and unacknowledged.
    bool waitForRoom();
    // Callbacks from libcurl.
    static std::size_t onHeader(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onWrite(char* data, std::size_t size, std::size_t count, void* self);
    static std::size_t onRead(char* buffer, std::size_t size, std::size_t count, void* self);
    static int onProgress(void* self, std::int64_t dlTotal, std::int64_t dlNow, std::int64_t ulTotal, std::int64_t ulNow);
    static int onSSLContext(void* curl, void* sslContext, void* self);
    static int onVerify(void* storeContext, void* self);
    ErrorPtr errorFor(int curlCode);

    TransferRequest request_;
    TransferCallbacks callbacks_;
    std::atomic<bool> cancelled_{false};
    std::unique_ptr<Curl> curl_;

    // Worker-thread state.
    std::string host_;
    int port_ = 0;
    int status_ = 0;
    HeaderList headers_;
    bool headDelivered_ = false;
    std::size_t memoryOffset_ = 0;
    std::int64_t lastUploaded_ = 0;
    std::atomic<double> lastActivity_{0};
    ErrorPtr bodyError_;
    enum class TrustOutcome { NotAsked, Accepted, Cancelled, Untrusted } trustOutcome_ = TrustOutcome::NotAsked;

    // Flow control.
    std::mutex flowMutex_;
    std::condition_variable flowChanged_;
    std::size_t unacknowledged_ = 0;
    std::size_t limit_ = 0;
    bool readerWaiting_ = false;
};

}  // namespace ns
