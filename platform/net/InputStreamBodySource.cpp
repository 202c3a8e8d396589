#include "platform/net/InputStreamBodySource.h"

#include <charconv>

#include "platform/net/URLError.h"

namespace ns {

InputStreamBodySource::~InputStreamBodySource() {
    if (opened_) stream_->close();
}

long InputStreamBodySource::read(std::uint8_t* buffer, std::size_t capacity) {
    if (!opened_) {
        opened_ = true;
        stream_->open();
    }
    if (stream_->streamStatus() == StreamStatus::Error) return -1;
    std::int64_t count = stream_->read(buffer, capacity);
    if (count < 0) return -1;
    return static_cast<long>(count);
}

ErrorPtr InputStreamBodySource::error() const {
    if (auto error = stream_->streamError()) return error;
    return makeURLError(kURLErrorUnknown, {});
}

std::int64_t InputStreamBodySource::declaredLength(const URLRequest& request) {
    auto text = request.valueForHTTPHeaderField("Content-Length");
    if (!text || text->empty()) return -1;
    std::int64_t length = -1;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), length);
    if (error != std::errc() || end != text->data() + text->size() || length < 0) return -1;
    return length;
}

}  // namespace ns
