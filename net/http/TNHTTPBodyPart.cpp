#include "net/http/TNHTTPBodyPart.h"

#include <algorithm>
#include <cstring>

namespace {
const std::string kCRLF = "\r\n";
}

std::shared_ptr<TNHTTPBodyPart> TNHTTPBodyPart::create() {
    auto part = std::shared_ptr<TNHTTPBodyPart>(new TNHTTPBodyPart());
    part->transitionToNextPhase();  // from the initial phase to the opening boundary
    return part;
}

TNHTTPBodyPart::~TNHTTPBodyPart() {
    if (inputStream_) inputStream_->close();
}

std::shared_ptr<TNHTTPBodyPart> TNHTTPBodyPart::copy() const {
    auto part = create();
    part->stringEncoding = stringEncoding;
    part->headers = headers;
    part->bodyContentLength = bodyContentLength;
    part->body = body;
    part->boundary = boundary;
    return part;
}

ns::InputStreamPtr TNHTTPBodyPart::inputStream() {
    if (!inputStream_) {
        if (auto* data = std::get_if<ns::Data>(&body)) {
            inputStream_ = ns::InputStream::inputStreamWithData(*data);
        } else if (auto* url = std::get_if<ns::URLPtr>(&body)) {
            inputStream_ = ns::InputStream::inputStreamWithURL(*url);
        } else {
            inputStream_ = std::get<ns::InputStreamPtr>(body);
        }
    }
    return inputStream_;
}

std::string TNHTTPBodyPart::encoded(const std::string& text) const {
    if (stringEncoding == ns::kUTF8StringEncoding) return text;
    auto data = ns::str::dataUsingEncoding(text, stringEncoding);
    return data ? data->toString() : text;
}

std::string TNHTTPBodyPart::openingBoundaryText() const {
    return encoded(hasInitialBoundary ? "--" + boundary + kCRLF : kCRLF + "--" + boundary + kCRLF);
}

std::string TNHTTPBodyPart::closingBoundaryText() const {
    return hasFinalBoundary ? encoded(kCRLF + "--" + boundary + "--" + kCRLF) : std::string();
}

std::string TNHTTPBodyPart::stringForHeaders() const {
    std::string text;
    for (const auto& [name, value] : headers) text += name + ": " + value + kCRLF;
    text += kCRLF;
    return encoded(text);
}

std::uint64_t TNHTTPBodyPart::contentLength() const {
    return openingBoundaryText().size() + stringForHeaders().size() + bodyContentLength +
           closingBoundaryText().size();
}

bool TNHTTPBodyPart::hasBytesAvailable() {
    // Until its closing text is out, a part always has something to say: a
    // body that ends early is found by read() (and fails) instead of being
    // skipped here.
    return !passDone_;
}

std::int64_t TNHTTPBodyPart::read(std::uint8_t* buffer, std::size_t length) {
    std::size_t total = 0;
    if (phase_ == TNPartPhaseOpeningBoundary)
        total += readText(openingBoundaryText(), buffer + total, length - total);
    if (phase_ == TNPartPhaseHeaders) total += readText(stringForHeaders(), buffer + total, length - total);
    if (phase_ == TNPartPhaseBody) {
        std::int64_t count = readBody(buffer + total, length - total);
        if (count < 0) return -1;
        total += static_cast<std::size_t>(count);
    }
    if (phase_ == TNPartPhaseClosingBoundary) total += readText(closingBoundaryText(), buffer + total, length - total);
    return static_cast<std::int64_t>(total);
}

std::int64_t TNHTTPBodyPart::readBody(std::uint8_t* buffer, std::size_t length) {
    std::uint64_t remaining = bodyContentLength - bodyRead_;
    if (remaining == 0) {
        transitionToNextPhase();
        return 0;
    }
    if (length == 0) return 0;
    std::size_t ask = static_cast<std::size_t>(std::min<std::uint64_t>(remaining, length));
    if (auto* data = std::get_if<ns::Data>(&body); data && !inputStream_) {
        // Bytes in memory are copied straight out: a stream over them would
        // first need a copy of its own.
        std::size_t count = std::min<std::size_t>(ask, data->length() - std::min<std::size_t>(bodyRead_, data->length()));
        if (count == 0) {
            error_ = ns::Error::withDescription(TNURLRequestSerializationErrorDomain, -1,
                                                "The body of a form part ended before its declared length.");
            return -1;
        }
        std::memcpy(buffer, data->bytes() + bodyRead_, count);
        bodyRead_ += count;
        if (bodyRead_ == bodyContentLength) transitionToNextPhase();
        return static_cast<std::int64_t>(count);
    }
    auto stream = inputStream();
    std::int64_t count = stream ? stream->read(buffer, ask) : -1;
    if (count < 0) {
        error_ = stream ? stream->streamError() : nullptr;
        if (!error_)
            error_ = ns::Error::withDescription(TNURLRequestSerializationErrorDomain, -1,
                                                "The body of a form part could not be read.");
        return -1;
    }
    if (count == 0) {
        // The stream ended before the length the part declared: the form's
        // Content-Length would be a lie, so the body fails instead.
        error_ = ns::Error::withDescription(TNURLRequestSerializationErrorDomain, -1,
                                            "The body of a form part ended before its declared length.");
        return -1;
    }
    bodyRead_ += static_cast<std::uint64_t>(count);
    if (bodyRead_ == bodyContentLength) transitionToNextPhase();
    return count;
}

std::size_t TNHTTPBodyPart::readText(const std::string& text, std::uint8_t* buffer, std::size_t length) {
    std::size_t offset = static_cast<std::size_t>(phaseReadOffset_);
    std::size_t count = std::min(text.size() - std::min(offset, text.size()), length);
    if (count > 0) std::memcpy(buffer, text.data() + offset, count);
    phaseReadOffset_ += count;
    if (phaseReadOffset_ >= text.size()) transitionToNextPhase();
    return count;
}

bool TNHTTPBodyPart::transitionToNextPhase() {
    // Our streams are polled, not run-loop driven, so a phase change needs
    // no particular thread: the reading thread makes it itself and never
    // waits on the main thread.
    switch (phase_) {
    case TNPartPhaseOpeningBoundary:
        phase_ = TNPartPhaseHeaders;
        break;
    case TNPartPhaseHeaders:
        // A body in memory needs no stream unless one was asked for (see readBody).
        if (!std::holds_alternative<ns::Data>(body) || inputStream_)
            if (auto stream = inputStream()) stream->open();
        bodyRead_ = 0;
        phase_ = TNPartPhaseBody;
        break;
    case TNPartPhaseBody:
        if (inputStream_) inputStream_->close();
        phase_ = TNPartPhaseClosingBoundary;
        break;
    case TNPartPhaseClosingBoundary:
        passDone_ = true;
        phase_ = TNPartPhaseOpeningBoundary;
        break;
    default:
        phase_ = TNPartPhaseOpeningBoundary;
        break;
    }
    phaseReadOffset_ = 0;
    return true;
}
