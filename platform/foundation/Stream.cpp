#include "platform/foundation/Stream.h"

#include <cstring>

namespace ns {

void Stream::open() {
    if (streamStatus() == StreamStatus::NotOpen) setStatus(StreamStatus::Open);
}

void Stream::close() {
    if (streamStatus() != StreamStatus::Error) setStatus(StreamStatus::Closed);
}

ErrorPtr Stream::streamError() const {
    std::lock_guard<std::mutex> lock(errorMutex_);
    return error_;
}

Value Stream::propertyForKey(std::string_view) const { return Value(); }

bool Stream::setProperty(const Value&, std::string_view) { return false; }

void Stream::scheduleInRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode) {
    if (!runLoop || isScheduledInRunLoop(runLoop, mode)) return;
    std::lock_guard<std::mutex> lock(errorMutex_);
    schedules_.emplace_back(runLoop, mode);
}

void Stream::removeFromRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode) {
    std::lock_guard<std::mutex> lock(errorMutex_);
    std::erase_if(schedules_, [&](const auto& s) {
        auto loop = s.first.lock();
        return !loop || (loop == runLoop && s.second == mode);
    });
}

bool Stream::isScheduledInRunLoop(const std::shared_ptr<RunLoop>& runLoop, const std::string& mode) const {
    std::lock_guard<std::mutex> lock(errorMutex_);
    for (const auto& [loop, m] : schedules_) {
        if (loop.lock() == runLoop && m == mode) return true;
    }
    return false;
}

void Stream::fail(ErrorPtr error) {
    {
        std::lock_guard<std::mutex> lock(errorMutex_);
        error_ = std::move(error);
    }
    setStatus(StreamStatus::Error);
}

ErrorPtr Stream::posixError(int code, std::string_view path) {
    Dictionary info;
    info.set(kLocalizedDescriptionKey, Value(std::string(std::strerror(code))));
    if (!path.empty()) info.set(kFilePathErrorKey, Value(std::string(path)));
    return Error::create(kPOSIXErrorDomain, code, std::move(info));
}

}  // namespace ns
