// TNHTTPBodyPart: one part of a multipart form as it is read: opening
// boundary, header lines, body, closing boundary, produced piece by piece
// so that file and stream bodies never sit in memory.
//
// The body delivers exactly bodyContentLength bytes: a body stream that
// fails, or ends before its declared length, fails the read (the form
// would otherwise go out shorter than its Content-Length, silently cut).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/InputStream.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/StringEncoding.h"
#include "platform/foundation/URL.h"

enum TNPartPhase : int {
    TNPartPhaseInitial = 0,
    TNPartPhaseOpeningBoundary = 1,
    TNPartPhaseHeaders = 2,
    TNPartPhaseBody = 3,
    TNPartPhaseClosingBoundary = 4,
};

class TNHTTPBodyPart : public ns::Object {
public:
    using Header = std::pair<std::string, std::string>;
    using Body = std::variant<ns::Data, ns::URLPtr, ns::InputStreamPtr>;

    static std::shared_ptr<TNHTTPBodyPart> create();
    ~TNHTTPBodyPart() override;
    // Same encoding, headers, body, length and boundary, back in phase 1.
    std::shared_ptr<TNHTTPBodyPart> copy() const;

    ns::StringEncoding stringEncoding = ns::kUTF8StringEncoding;
    std::vector<Header> headers;  // in order
    std::string boundary;
    Body body;
    std::uint64_t bodyContentLength = 0;
    bool hasInitialBoundary = false;
    bool hasFinalBoundary = false;

    // Made on first use: over the data, over the file, or the stream itself.
    ns::InputStreamPtr inputStream();
    std::string stringForHeaders() const;
    // Opening boundary + headers + body + closing boundary, in bytes.
    std::uint64_t contentLength() const;
    // Until the part has been read through once.
    bool hasBytesAvailable();
    // Bytes read into the buffer, as many phases as fit; -1 on a body error.
    std::int64_t read(std::uint8_t* buffer, std::size_t length);
    // The error of a failed read.
    ns::ErrorPtr error() const { return error_; }
    TNPartPhase phase() const { return phase_; }
    bool transitionToNextPhase();

private:
    TNHTTPBodyPart() = default;
    std::string openingBoundaryText() const;
    std::string closingBoundaryText() const;
    std::size_t readText(const std::string& text, std::uint8_t* buffer, std::size_t length);
    std::int64_t readBody(std::uint8_t* buffer, std::size_t length);
    std::string encoded(const std::string& text) const;

    ns::InputStreamPtr inputStream_;
    TNPartPhase phase_ = TNPartPhaseInitial;
    std::uint64_t phaseReadOffset_ = 0;
    std::uint64_t bodyRead_ = 0;
    bool passDone_ = false;  // the closing text has been read
    ns::ErrorPtr error_;
};

using TNHTTPBodyPartPtr = std::shared_ptr<TNHTTPBodyPart>;

// Error domain of request building.
inline constexpr const char* TNURLRequestSerializationErrorDomain = "com.tavonet.error.serialization.request";
