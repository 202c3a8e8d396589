// TNMultipartBodyStream: the body stream of a multipart form. It reads its
// parts in order as the connection asks for bytes; its length is known up
// front from the parts' declared lengths. A part that fails stops the
// stream with that part's error (the transfer then fails).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "net/http/TNHTTPBodyPart.h"
#include "platform/foundation/InputStream.h"

class TNMultipartBodyStream : public ns::InputStream {
public:
    static std::shared_ptr<TNMultipartBodyStream> create(ns::StringEncoding encoding);
    // A new stream over copies of the parts (first and last marked);
    // packet size and delay are not carried over.
    std::shared_ptr<TNMultipartBodyStream> copy() const;

    // Read limit per call and pause after each part read (a throttle).
    std::size_t numberOfBytesInPacket = 2147483647;
    double delay = 0;
    ns::StringEncoding stringEncoding;

    void appendHTTPBodyPart(const TNHTTPBodyPartPtr& part) { parts_.push_back(part); }
    const std::vector<TNHTTPBodyPartPtr>& HTTPBodyParts() const { return parts_; }
    bool isEmpty() const { return parts_.empty(); }
    void setInitialAndFinalBoundaries();
    std::uint64_t contentLength() const;

    void open() override;
    void close() override;
    std::int64_t read(std::uint8_t* buffer, std::size_t maxLength) override;
    bool hasBytesAvailable() const override;

private:
    explicit TNMultipartBodyStream(ns::StringEncoding encoding) : stringEncoding(encoding) {}
    std::vector<TNHTTPBodyPartPtr> parts_;
    std::size_t nextPart_ = 0;
    TNHTTPBodyPartPtr currentPart_;
};

using TNMultipartBodyStreamPtr = std::shared_ptr<TNMultipartBodyStream>;
