#include "net/http/TNMultipartBodyStream.h"

#include <algorithm>

#include "platform/foundation/Thread.h"

std::shared_ptr<TNMultipartBodyStream> TNMultipartBodyStream::create(ns::StringEncoding encoding) {
    return std::shared_ptr<TNMultipartBodyStream>(new TNMultipartBodyStream(encoding));
}

std::shared_ptr<TNMultipartBodyStream> TNMultipartBodyStream::copy() const {
    auto stream = create(stringEncoding);
    for (const auto& part : parts_) stream->appendHTTPBodyPart(part->copy());
    stream->setInitialAndFinalBoundaries();
    return stream;
}

void TNMultipartBodyStream::setInitialAndFinalBoundaries() {
    if (parts_.empty()) return;
    for (const auto& part : parts_) {
        part->hasInitialBoundary = false;
        part->hasFinalBoundary = false;
    }
    parts_.front()->hasInitialBoundary = true;
    parts_.back()->hasFinalBoundary = true;
}

std::uint64_t TNMultipartBodyStream::contentLength() const {
    std::uint64_t length = 0;
    for (const auto& part : parts_) length += part->contentLength();
    return length;
}

void TNMultipartBodyStream::open() {
    if (streamStatus() == ns::StreamStatus::Open) return;
    setStatus(ns::StreamStatus::Open);
    setInitialAndFinalBoundaries();
    nextPart_ = 0;
    currentPart_.reset();
}

void TNMultipartBodyStream::close() {
    if (streamStatus() != ns::StreamStatus::Error) setStatus(ns::StreamStatus::Closed);
}

bool TNMultipartBodyStream::hasBytesAvailable() const { return streamStatus() == ns::StreamStatus::Open; }

std::int64_t TNMultipartBodyStream::read(std::uint8_t* buffer, std::size_t maxLength) {
    auto status = streamStatus();
    if (status == ns::StreamStatus::Closed) return 0;
    if (status == ns::StreamStatus::Error) return -1;
    if (status != ns::StreamStatus::Open || !buffer) return -1;
    std::size_t limit = std::min(maxLength, numberOfBytesInPacket);
    std::size_t total = 0;
    while (total < limit) {
        if (!currentPart_ || !currentPart_->hasBytesAvailable()) {
            if (nextPart_ >= parts_.size()) {
                currentPart_.reset();
                break;
            }
            currentPart_ = parts_[nextPart_++];
            continue;
        }
        std::int64_t count = currentPart_->read(buffer + total, limit - total);
        if (count < 0) {
            auto error = currentPart_->error();
            fail(error ? error : ns::Error::create(TNURLRequestSerializationErrorDomain, -1));
            break;
        }
        total += static_cast<std::size_t>(count);
        if (delay > 0) ns::Thread::sleepForTimeInterval(delay);
    }
    // Bytes already copied are handed over; the error shows on the next read.
    if (total == 0 && streamStatus() == ns::StreamStatus::Error) return -1;
    return static_cast<std::int64_t>(total);
}
