// ns::InputStream: a source of bytes read in pieces. Subclasses override
// read and hasBytesAvailable (and open/close when they hold resources); the
// factories give streams over bytes in memory and over files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/foundation/Data.h"
#include "platform/foundation/Stream.h"
#include "platform/foundation/URL.h"

namespace ns {

class InputStream : public Stream {
public:
    static std::shared_ptr<InputStream> inputStreamWithData(Data data);
    // Opening fails (status Error, a POSIX error) when the file cannot be read.
    static std::shared_ptr<InputStream> inputStreamWithFileAtPath(std::string path);
    // File URLs only; nullptr for anything else.
    static std::shared_ptr<InputStream> inputStreamWithURL(const URLPtr& url);

    // Up to maxLength bytes into the buffer: the count read, 0 at the end,
    // -1 on an error or when the stream is not open. A stream over bytes is
    // at its end as soon as its last byte has been read.
    virtual std::int64_t read(std::uint8_t* buffer, std::size_t maxLength);
    virtual bool hasBytesAvailable() const;

protected:
    InputStream() = default;
};

using InputStreamPtr = std::shared_ptr<InputStream>;

}  // namespace ns
