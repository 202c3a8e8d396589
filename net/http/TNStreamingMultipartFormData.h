// TNStreamingMultipartFormData: the builder a caller fills with form parts
// (files, streams, bytes, fields); finalizing puts a streamed body on the
// request with its multipart content type and exact Content-Length.
//
// Names and file names go into "Content-Disposition" between quotes; a
// quote, CR or LF in them is percent-escaped so they can never end the
// quoted text or start a header line of their own.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/http/TNHTTPBodyPart.h"
#include "net/http/TNMultipartBodyStream.h"
#include "platform/foundation/URLRequest.h"

class TNStreamingMultipartFormData : public ns::Object {
public:
    static std::shared_ptr<TNStreamingMultipartFormData> create(ns::MutableURLRequest request,
                                                                ns::StringEncoding encoding);

    const ns::MutableURLRequest& request() const { return request_; }
    const std::string& boundary() const { return boundary_; }
    const TNMultipartBodyStreamPtr& bodyStream() const { return bodyStream_; }

    // File name = the URL's last component, type from its extension.
    bool appendPartWithFileURL(const ns::URLPtr& fileURL, const std::string& name, ns::ErrorPtr* error = nullptr);
    bool appendPartWithFileURL(const ns::URLPtr& fileURL, const std::string& name, const std::string& fileName,
                               const std::string& mimeType, ns::ErrorPtr* error = nullptr);
    void appendPartWithInputStream(const ns::InputStreamPtr& stream, const std::string& name,
                                   const std::string& fileName, std::int64_t length, const std::string& mimeType);
    void appendPartWithFileData(const ns::Data& data, const std::string& name, const std::string& fileName,
                                const std::string& mimeType);
    void appendPartWithFormData(const ns::Data& data, const std::string& name);
    void appendPartWithHeaders(const std::vector<TNHTTPBodyPart::Header>& headers, const ns::Data& body);
    void throttleBandwidthWithPacketSize(std::size_t numberOfBytes, double delay);

    ns::MutableURLRequest requestByFinalizingMultipartFormData();

    // A name as it may stand between the quotes of a header parameter.
    static std::string quotedParameter(const std::string& text);
    // "application/octet-stream" for extensions we do not know.
    static std::string MIMETypeForPathExtension(const std::string& extension);

private:
    TNStreamingMultipartFormData(ns::MutableURLRequest request, ns::StringEncoding encoding);
    TNHTTPBodyPartPtr newPart(std::vector<TNHTTPBodyPart::Header> headers, TNHTTPBodyPart::Body body,
                              std::uint64_t length) const;
    static std::vector<TNHTTPBodyPart::Header> fileHeaders(const std::string& name, const std::string& fileName,
                                                           const std::string& mimeType);

    ns::MutableURLRequest request_;
    ns::StringEncoding stringEncoding_;
    std::string boundary_;
    TNMultipartBodyStreamPtr bodyStream_;
};
