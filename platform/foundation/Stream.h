// ns::Stream: what input and output streams share: a status that moves from
// not-open through open to at-end, closed or error, the error that stopped
// it, and properties by key. The status is read and written atomically, so
// another thread may poll it while one thread reads or writes.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

class RunLoop;

// The platform's numbers, in the order a stream passes through them.
enum class StreamStatus : int {
    NotOpen = 0,
    Opening = 1,
    Open = 2,
    Reading = 3,
    Writing = 4,
    AtEnd = 5,
    Closed = 6,
    Error = 7,
};

// Property keys (the platform's texts).
inline constexpr const char* kStreamFileCurrentOffsetKey = "kCFStreamPropertyFileCurrentOffset";
inline constexpr const char* kStreamDataWrittenToMemoryStreamKey = "kCFStreamPropertyDataWritten";

class Stream : public Object {
public:
    virtual void open();
    virtual void close();
    virtual StreamStatus streamStatus() const { return status_.load(); }
    virtual ErrorPtr streamError() const;
    // Nil for a key the stream does not know.
    virtual Value propertyForKey(std::string_view key) const;
    virtual bool setProperty(const Value& value, std::string_view key);

    // Streams here send no delegate events: their readers and writers poll
    // hasBytesAvailable / hasSpaceAvailable. Scheduling therefore only
    // records the loops and modes a stream was placed in.
    void scheduleInRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode);
    void removeFromRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode);
    bool isScheduledInRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode) const;

protected:
    Stream() = default;
    void setStatus(StreamStatus status) { status_.store(status); }
    // Records the error and moves to the error status.
    void fail(ErrorPtr error);
    // A POSIX error for errno, with the path when there is one.
    static ErrorPtr posixError(int code, std::string_view path = {});
    bool isOpen() const {
        auto s = status_.load();
        return s == StreamStatus::Open || s == StreamStatus::Reading || s == StreamStatus::Writing ||
               s == StreamStatus::AtEnd;
    }

private:
    std::atomic<StreamStatus> status_{StreamStatus::NotOpen};
    mutable std::mutex errorMutex_;  // also guards schedules_
    ErrorPtr error_;
    std::vector<std::pair<std::weak_ptr<RunLoop>, std::string>> schedules_;
};

}  // namespace ns
