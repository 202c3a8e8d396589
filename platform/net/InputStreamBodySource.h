// A request body read from an ns::InputStream (any subclass) as the
// transfer sends it. The stream is opened on first read and closed at its
// end; a stream error fails the transfer with that error.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/foundation/InputStream.h"
#include "platform/foundation/URLRequest.h"
#include "platform/net/URLTransfer.h"

namespace ns {

class InputStreamBodySource : public TransferBodySource {
public:
    explicit InputStreamBodySource(std::shared_ptr<InputStream> stream) : stream_(std::move(stream)) {}
    ~InputStreamBodySource() override;

    long read(std::uint8_t* buffer, std::size_t capacity) override;
    ErrorPtr error() const override;

    // The body length a request declares in its "Content-Length" header;
    // -1 (sent chunked) when it declares none or nonsense.
    static std::int64_t declaredLength(const URLRequest& request);

private:
    std::shared_ptr<InputStream> stream_;
    bool opened_ = false;
};

}  // namespace ns
