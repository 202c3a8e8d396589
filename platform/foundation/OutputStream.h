// ns::OutputStream: a sink of bytes written in pieces. Subclasses override
// write and hasSpaceAvailable; the factories give streams into memory (the
// bytes are fetched with dataWrittenToMemory) and into files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Stream.h"
#include "platform/foundation/URL.h"

namespace ns {

class OutputStream : public Stream {
public:
    static std::shared_ptr<OutputStream> outputStreamToMemory();
    // Opening creates the file, or (append) continues at its end.
    static std::shared_ptr<OutputStream> outputStreamToFileAtPath(std::string path, bool append);
    // File URLs only; nullptr for anything else.
    static std::shared_ptr<OutputStream> outputStreamWithURL(const URLPtr& url, bool append);

    // The count written, -1 on an error or when the stream is not open.
    virtual std::int64_t write(const std::uint8_t* buffer, std::size_t length);
    std::int64_t write(const Data& data) { return write(data.bytes(), data.length()); }
    virtual bool hasSpaceAvailable() const;
    // A hint that about `bytes` more will be written: a memory stream makes
    // room once instead of growing step by step. Other streams ignore it.
    virtual void reserveCapacity(std::size_t bytes);

    // The bytes of a memory stream (kStreamDataWrittenToMemoryStreamKey);
    // nothing for other streams.
    std::optional<Data> dataWrittenToMemory() const;
    // The same bytes handed over rather than copied, for an owner that is
    // done with the stream: a memory stream holds nothing afterwards.
    virtual std::optional<Data> takeDataWrittenToMemory();
    // The position in a file stream (kStreamFileCurrentOffsetKey); nothing
    // for other streams.
    std::optional<std::uint64_t> fileCurrentOffset() const;

protected:
    OutputStream() = default;
};

using OutputStreamPtr = std::shared_ptr<OutputStream>;

}  // namespace ns
