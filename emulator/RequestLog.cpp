#include "emulator/RequestLog.h"

#include <chrono>
#include <strings.h>

namespace emulator {

std::optional<std::string> LoggedRequest::header(const std::string& name) const {
    for (const auto& [key, value] : headers)
        if (strcasecmp(key.c_str(), name.c_str()) == 0) return value;
    return std::nullopt;
}

std::optional<std::string> LoggedRequest::field(const std::string& name) const {
    for (const auto& [key, value] : fields)
        if (key == name) return value;
    return std::nullopt;
}

std::size_t RequestLog::append(LoggedRequest request) {
    std::lock_guard<std::mutex> lock(mutex_);
    request.index = base_ + entries_.size();
    entries_.push_back(std::move(request));
    changed_.notify_all();
    return entries_.back().index;
}

void RequestLog::update(std::size_t index, const std::function<void(LoggedRequest&)>& change) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < base_ || index - base_ >= entries_.size()) return;  // cleared meanwhile
    change(entries_[index - base_]);
    changed_.notify_all();
}

std::vector<LoggedRequest> RequestLog::entries() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_;
}

std::size_t RequestLog::count() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return entries_.size();
}

std::optional<LoggedRequest> RequestLog::last() const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (entries_.empty()) return std::nullopt;
    return entries_.back();
}

void RequestLog::clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    base_ += entries_.size();
    entries_.clear();
    changed_.notify_all();
}

bool RequestLog::waitUntil(const std::function<bool(const std::vector<LoggedRequest>&)>& predicate,
                           double seconds) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::duration<double>(seconds), [&] { return predicate(entries_); });
}

const char* outcomeName(LoggedRequest::Outcome outcome) {
    switch (outcome) {
        case LoggedRequest::Outcome::Pending: return "pending";
        case LoggedRequest::Outcome::Answered: return "answered";
        case LoggedRequest::Outcome::Dropped: return "dropped";
        case LoggedRequest::Outcome::Cut: return "cut";
        case LoggedRequest::Outcome::Abandoned: return "abandoned";
    }
    return "?";
}

}  // namespace emulator
