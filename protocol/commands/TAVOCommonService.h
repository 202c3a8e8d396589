// Sends one command to the router, through the cloud router service
// (type 0) or straight to the router on the home network (type 1, an
// encrypted body under a fresh 16-byte session key per service object), and
// answers the caller's success callback with the parser's result or its
// failure callback with a TAVOError, both on the main queue. Each send makes
// its own operation manager and returns the operation, which the caller may
// follow, stream into a file or cancel.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "core/errors/TAVOError.h"
#include "net/http/TNHTTPRequestOperation.h"
#include "net/http/TNHTTPRequestSerializer.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/commands/TAVOCommand.h"
#include "protocol/commands/TAVOParser.h"

class TAVOUploadFileCommand;

class TAVOCommonService : public ns::Object {
public:
    enum Channel : int { Cloud = 0, Local = 1 };

    using Success = std::function<void(const ns::Value& result)>;
    using Failure = std::function<void(const TAVOErrorPtr& error)>;
    using Progress = std::function<void(std::int64_t bytes, std::int64_t totalBytes, std::int64_t totalExpected)>;
    using ResumeProgress = std::function<void(std::int64_t contentLength, std::int64_t totalLength)>;

    // Local when the current router is the one on the home network, else cloud.
    static std::shared_ptr<TAVOCommonService> ordaneService();
    static std::shared_ptr<TAVOCommonService> localService();
    static std::shared_ptr<TAVOCommonService> remoteService();
    // A service without a channel: every send fails at once.
    static std::shared_ptr<TAVOCommonService> serviceWithType(int type);

    int type() const { return type_; }
    const ns::Data& aes128KeyData() const { return aes128KeyData_; }

    // --- Request building --------------------------------------------------
    std::string getReqUrl(const TAVOCommand& command) const;
    ns::Dictionary getReqHeader(const TAVOCommand& command) const;
    ns::Dictionary getReqBody(const TAVOCommand& command) const;
    ns::Dictionary commonHeaders() const { return {}; }
    ns::Dictionary commonBodys() const;
    // The session key wrapped with the router's RSA key, as Base64 text.
    std::string getKeyValue() const;
    // The pairs as compact JSON, encrypted under the session key, as Base64 text.
    std::string getDataValue(const ns::Dictionary& pairs) const;
    // `length` bytes, each (a fresh random 32-bit number mod 60) + 65.
    static ns::Data generateRandomKeyData(std::size_t length);

    // --- Sends ---------------------------------------------------------------
    // mode 1 sends with GET, any other mode with POST.
    TNHTTPRequestOperationPtr sendCommand(const TAVOCommandPtr& command, int mode, const TAVOParserPtr& parser,
                                          Success success, Failure failure);
    // With a body builder: a multipart POST whose builder parts come first.
    TNHTTPRequestOperationPtr sendCommandConstuctUploadStreamBody(const TAVOCommandPtr& command,
                                                                  const TNHTTPRequestSerializer::ConstructingBody& body,
                                                                  int mode, const TAVOParserPtr& parser, Success success,
                                                                  Failure failure);
    // A ranged download: the caller points the returned operation's output
    // stream at the target file before its turn of the main loop ends (the
    // operation is queued on the next turn). `resumeProgress` gets (this response's
    // length, the whole file's size) once per finished response, before the
    // success callback (which has no result).
    TNHTTPRequestOperationPtr resumeDownloadFile(const TAVOCommandPtr& command, int mode, const TAVOParserPtr& parser,
                                                 Success success, Failure failure, ResumeProgress resumeProgress);
    // One piece of a file as part "file" (the command's file name,
    // "application/octet-stream"); no part when the name is empty.
    TNHTTPRequestOperationPtr resumeUploadFile(const ns::Data& data, const std::shared_ptr<TAVOUploadFileCommand>& command,
                                               int mode, const TAVOParserPtr& parser, Success success, Failure failure);
    TNHTTPRequestOperationPtr downloadFileCommand(const TAVOCommandPtr& command, int mode, const TAVOParserPtr& parser,
                                                  Success success, Failure failure, Progress progress);
    TNHTTPRequestOperationPtr uploadFile(const ns::Data& data, const TAVOCommandPtr& command, int mode,
                                         const TAVOParserPtr& parser, Success success, Failure failure, Progress progress);

    std::string className() const override { return "TAVOCommonService"; }

private:
    explicit TAVOCommonService(int type) : type_(type), aes128KeyData_(generateRandomKeyData(16)) {}
    TNHTTPRequestOperationPtr send(const TAVOCommandPtr& command, const TNHTTPRequestSerializer::ConstructingBody* body,
                                   int mode, const TAVOParserPtr& parser, Success success, Failure failure,
                                   bool rangedDownload);
    static void chainProgress(const TNHTTPRequestOperationPtr& operation, bool upload, Progress progress);

    int type_;
    ns::Data aes128KeyData_;
};

using TAVOCommonServicePtr = std::shared_ptr<TAVOCommonService>;
