// Every request an emulator server received: raw and decoded, and how its
// answer ended. Tests query it from their own thread while the server runs.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace emulator {

// One part of a multipart/form-data body.
struct FormPart {
    std::string name;
    std::optional<std::string> fileName;
    std::string contentType;
    std::string body;  // in the log: at most the first 64 KiB
    std::size_t bodyLength = 0;  // the part's full length
};

struct LoggedRequest {
    enum class Outcome {
        Pending,    // still being answered
        Answered,   // the whole answer was written
        Dropped,    // the client left (or the write failed) before the answer was complete
        Cut,        // the server dropped it on purpose (fault injection)
        Abandoned,  // the server stopped while the request was stalled
    };

    std::size_t index = 0;
    std::string method;
    std::string path;
    std::string query;  // the raw query, without '?'
    std::vector<std::pair<std::string, std::string>> headers;  // as received, in order
    std::string body;                                          // raw bytes
    // Query parameters and form-encoded body fields, decoded once.
    std::vector<std::pair<std::string, std::string>> fields;
    // The parts of a multipart/form-data body (the library reads them out of `body`).
    std::vector<FormPart> parts;
    int status = 0;                // the status answered (0 when none)
    std::size_t bodyBytesSent = 0;  // how much of the answer's body went out
    Outcome outcome = Outcome::Pending;

    // First header of that name, compared without case; none when absent.
    std::optional<std::string> header(const std::string& name) const;
    // First decoded field of that name; none when absent.
    std::optional<std::string> field(const std::string& name) const;
};

class RequestLog {
public:
    std::size_t append(LoggedRequest request);  // returns its index
    void update(std::size_t index, const std::function<void(LoggedRequest&)>& change);

    std::vector<LoggedRequest> entries() const;
    std::size_t count() const;
    std::optional<LoggedRequest> last() const;
    void clear();

    // Waits (real time) until the predicate holds over the entries; answers
    // whether it did before the time-out.
    bool waitUntil(const std::function<bool(const std::vector<LoggedRequest>&)>& predicate, double seconds) const;

private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::vector<LoggedRequest> entries_;
    std::size_t base_ = 0;  // index of entries_[0] after clear()
};

const char* outcomeName(LoggedRequest::Outcome outcome);

}  // namespace emulator
