#include "net/http/TNStreamingMultipartFormData.h"

#include <openssl/rand.h>

#include <cstdio>
#include <map>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/StringUtils.h"

namespace {

std::string randomBoundary() {
    std::uint32_t words[2] = {0, 0};
    RAND_bytes(reinterpret_cast<unsigned char*>(words), sizeof words);
    char text[64];
    std::snprintf(text, sizeof text, "Boundary+%08X%08X", words[0], words[1]);
    return text;
}

ns::ErrorPtr requestError(const std::string& reason) {
    std::string text = ns::localizedStringFromTable(reason, "TAVONetworking");
    ns::Dictionary info;
    info.set(ns::kLocalizedFailureReasonErrorKey, text);
    return ns::Error::create(TNURLRequestSerializationErrorDomain, ns::kURLErrorBadURL, info);
}

}  // namespace

std::shared_ptr<TNStreamingMultipartFormData> TNStreamingMultipartFormData::create(ns::MutableURLRequest request,
                                                                                   ns::StringEncoding encoding) {
    return std::shared_ptr<TNStreamingMultipartFormData>(new TNStreamingMultipartFormData(std::move(request), encoding));
}

TNStreamingMultipartFormData::TNStreamingMultipartFormData(ns::MutableURLRequest request, ns::StringEncoding encoding)
    : request_(std::move(request)),
      stringEncoding_(encoding),
      boundary_(randomBoundary()),
      bodyStream_(TNMultipartBodyStream::create(encoding)) {}

std::string TNStreamingMultipartFormData::quotedParameter(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '"') out += "%22";
        else if (c == '\r') out += "%0D";
        else if (c == '\n') out += "%0A";
        else out += c;
    }
    return "\"" + out + "\"";
}

std::string TNStreamingMultipartFormData::MIMETypeForPathExtension(const std::string& extension) {
    static const std::map<std::string, std::string> types = {
        {"txt", "text/plain"},        {"html", "text/html"},        {"htm", "text/html"},
        {"css", "text/css"},          {"csv", "text/csv"},          {"xml", "text/xml"},
        {"json", "application/json"}, {"js", "application/javascript"}, {"pdf", "application/pdf"},
        {"zip", "application/zip"},   {"gz", "application/x-gzip"}, {"tar", "application/x-tar"},
        {"png", "image/png"},         {"jpg", "image/jpeg"},        {"jpeg", "image/jpeg"},
        {"gif", "image/gif"},         {"bmp", "image/bmp"},         {"tif", "image/tiff"},
        {"tiff", "image/tiff"},       {"ico", "image/x-icon"},      {"mp3", "audio/mpeg"},
        {"wav", "audio/x-wav"},       {"mp4", "video/mp4"},         {"mov", "video/quicktime"},
        {"plist", "application/x-plist"},
    };
    auto found = types.find(ns::str::asciiLowercase(extension));
    return found == types.end() ? "application/octet-stream" : found->second;
}

std::vector<TNHTTPBodyPart::Header> TNStreamingMultipartFormData::fileHeaders(const std::string& name,
                                                                             const std::string& fileName,
                                                                             const std::string& mimeType) {
    return {{"Content-Disposition",
             "form-data; name=" + quotedParameter(name) + "; filename=" + quotedParameter(fileName)},
            {"Content-Type", mimeType}};
}

TNHTTPBodyPartPtr TNStreamingMultipartFormData::newPart(std::vector<TNHTTPBodyPart::Header> headers,
                                                        TNHTTPBodyPart::Body body, std::uint64_t length) const {
    auto part = TNHTTPBodyPart::create();
    part->stringEncoding = stringEncoding_;
    part->headers = std::move(headers);
    part->boundary = boundary_;
    part->body = std::move(body);
    part->bodyContentLength = length;
    return part;
}

bool TNStreamingMultipartFormData::appendPartWithFileURL(const ns::URLPtr& fileURL, const std::string& name,
                                                         ns::ErrorPtr* error) {
    std::string fileName = fileURL ? fileURL->lastPathComponent() : std::string();
    std::string mimeType = MIMETypeForPathExtension(fileURL ? fileURL->pathExtension() : std::string());
    return appendPartWithFileURL(fileURL, name, fileName, mimeType, error);
}

bool TNStreamingMultipartFormData::appendPartWithFileURL(const ns::URLPtr& fileURL, const std::string& name,
                                                         const std::string& fileName, const std::string& mimeType,
                                                         ns::ErrorPtr* error) {
    if (!fileURL || !fileURL->isFileURL()) {
        if (error) *error = requestError("Expected URL to be a file URL");
        return false;
    }
    auto fileManager = ns::FileManager::defaultManager();
    bool isDirectory = false;
    if (!fileManager->fileExistsAtPath(fileURL->path(), &isDirectory) || isDirectory) {
        if (error) *error = requestError("File URL not reachable.");
        return false;
    }
    ns::ErrorPtr attributesError;
    auto attributes = fileManager->attributesOfItemAtPath(fileURL->path(), &attributesError);
    if (!attributes) {
        if (error) *error = attributesError;
        return false;
    }
    std::uint64_t size = (*attributes)["NSFileSize"].unsignedLongLongValue();
    bodyStream_->appendHTTPBodyPart(newPart(fileHeaders(name, fileName, mimeType), fileURL, size));
    return true;
}

void TNStreamingMultipartFormData::appendPartWithInputStream(const ns::InputStreamPtr& stream, const std::string& name,
                                                             const std::string& fileName, std::int64_t length,
                                                             const std::string& mimeType) {
    bodyStream_->appendHTTPBodyPart(newPart(fileHeaders(name, fileName, mimeType), stream,
                                            static_cast<std::uint64_t>(std::max<std::int64_t>(length, 0))));
}

void TNStreamingMultipartFormData::appendPartWithFileData(const ns::Data& data, const std::string& name,
                                                          const std::string& fileName, const std::string& mimeType) {
    appendPartWithHeaders(fileHeaders(name, fileName, mimeType), data);
}

void TNStreamingMultipartFormData::appendPartWithFormData(const ns::Data& data, const std::string& name) {
    appendPartWithHeaders({{"Content-Disposition", "form-data; name=" + quotedParameter(name)}}, data);
}

void TNStreamingMultipartFormData::appendPartWithHeaders(const std::vector<TNHTTPBodyPart::Header>& headers,
                                                         const ns::Data& body) {
    bodyStream_->appendHTTPBodyPart(newPart(headers, body, body.length()));
}

void TNStreamingMultipartFormData::throttleBandwidthWithPacketSize(std::size_t numberOfBytes, double delay) {
    bodyStream_->numberOfBytesInPacket = numberOfBytes;
    bodyStream_->delay = delay;
}

ns::MutableURLRequest TNStreamingMultipartFormData::requestByFinalizingMultipartFormData() {
    if (bodyStream_->isEmpty()) return request_;
    bodyStream_->setInitialAndFinalBoundaries();
    request_.setHTTPBodyStream(bodyStream_);
    request_.setValue("multipart/form-data; boundary=" + boundary_, "Content-Type");
    request_.setValue(std::to_string(bodyStream_->contentLength()), "Content-Length");
    return request_;
}
