#include "protocol/commands/TAVOCommonService.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/AppInfoUtility.h"
#include "core/crypto/DataBase64.h"
#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/RandomPrintableBytes.h"
#include "core/crypto/TAVOEncryptUtility.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "core/records/TAVOAccountModel.h"
#include "core/records/TAVORouterManager.h"
#include "core/records/TAVORouterModel.h"
#include "core/services/TAVOAccountFacade.h"
#include "net/http/TNHTTPRequestOperationManager.h"
#include "net/http/TNJSONResponseSerializer.h"
#include "net/http/TNStreamingMultipartFormData.h"
#include "net/json/JetJsonSerializing.h"
#include "platform/foundation/DispatchQueue.h"
#include "protocol/TAVOAppInfoProvider.h"
#include "protocol/commands/TAVOCommandDownloadOperation.h"
#include "protocol/commands/TAVOCommandTrustPolicy.h"
#include "protocol/commands/TAVOUploadFileCommand.h"
#include "protocol/commands/TNTAVOJSONResponseSerializer.h"
#include "protocol/requests/TAVOHttpDataRequest.h"
#include "protocol/requests/TAVORemoteHttpDataRequest.h"

std::shared_ptr<TAVOCommonService> TAVOCommonService::ordaneService() {
    return serviceWithType(TAVORouterManager::shareInstance()->isLocalRouter() ? Local : Cloud);
}
std::shared_ptr<TAVOCommonService> TAVOCommonService::localService() { return serviceWithType(Local); }
std::shared_ptr<TAVOCommonService> TAVOCommonService::remoteService() { return serviceWithType(Cloud); }
std::shared_ptr<TAVOCommonService> TAVOCommonService::serviceWithType(int type) {
    return std::shared_ptr<TAVOCommonService>(new TAVOCommonService(type));
}

ns::Data TAVOCommonService::generateRandomKeyData(std::size_t length) { return randomPrintableBytes(length, 60, 65); }

std::string TAVOCommonService::getReqUrl(const TAVOCommand& command) const {
    if (type_ == Cloud) return TAVOHttpDataRequest::cloudBaseURL() + "/" + command.url();
    if (type_ == Local) return TAVORemoteHttpDataRequest::localBaseURL();
    return "";
}

ns::Dictionary TAVOCommonService::getReqHeader(const TAVOCommand& command) const {
    ns::Dictionary headers = commonHeaders();
    headers.addEntries(command.headers());
    return headers;
}

ns::Dictionary TAVOCommonService::commonBodys() const {
    ns::Dictionary pairs{{"plat", "iphone"}, {"versioncode", TAVOAppInfoProvider::currentAppVersionCode()}};
    if (auto mac = AppInfoUtility::uniqueueIdentifier(); !mac.empty()) pairs.set("user_mac", mac);
    auto facade = TAVOAccountFacade::shared();
    auto router = facade ? facade->currentRouter() : nullptr;
    if (router && !router->router_id.empty()) pairs.set("router_id", router->router_id);
    if (type_ == Local) {
        if (router && !router->ticket.empty()) pairs.set("ticket", router->ticket);
    } else if (type_ == Cloud) {
        auto account = facade ? facade->currentAccountData() : nullptr;
        if (account && !account->qt().empty()) pairs.set("qt", account->qt());
    }
    return pairs;
}

std::string TAVOCommonService::getKeyValue() const {
    auto wrapped = TAVOEncryptUtility::TAVOEncode(aes128KeyData_);
    return wrapped ? base64Encoding(*wrapped) : std::string();
}

std::string TAVOCommonService::getDataValue(const ns::Dictionary& pairs) const {
    const ns::Value json = JSONString(ns::Value(pairs));
    if (!json.isString()) return "";
    auto cipher = KXAES256EncryptedDataUsingKey(ns::Data::fromString(json.asString()), CipherKey(aes128KeyData_));
    return cipher ? base64Encoding(*cipher) : std::string();
}

ns::Dictionary TAVOCommonService::getReqBody(const TAVOCommand& command) const {
    if (type_ != Cloud && type_ != Local) return {};
    ns::Dictionary pairs = commonBodys();
    if (const ns::Dictionary own = command.bodys(); !own.empty()) pairs.addEntries(own);
    if (type_ == Cloud) return pairs;
    pairs.set("cmd", command.cmd());
    // Raw Base64 texts: the form serializer escapes each value once and the
    // router unescapes once.
    return ns::Dictionary{{"data", getDataValue(pairs)}, {"key", getKeyValue()}};
}

TNHTTPRequestOperationPtr TAVOCommonService::sendCommand(const TAVOCommandPtr& command, int mode,
                                                         const TAVOParserPtr& parser, Success success, Failure failure) {
    return send(command, nullptr, mode, parser, std::move(success), std::move(failure), false);
}

TNHTTPRequestOperationPtr TAVOCommonService::sendCommandConstuctUploadStreamBody(
    const TAVOCommandPtr& command, const TNHTTPRequestSerializer::ConstructingBody& body, int mode,
    const TAVOParserPtr& parser, Success success, Failure failure) {
    return send(command, body ? &body : nullptr, mode, parser, std::move(success), std::move(failure), false);
}

TNHTTPRequestOperationPtr TAVOCommonService::send(const TAVOCommandPtr& command,
                                                  const TNHTTPRequestSerializer::ConstructingBody* body, int mode,
                                                  const TAVOParserPtr& parser, Success success, Failure failure,
                                                  bool rangedDownload) {
    auto errors = TAVOErrorSystemManager::sharedManager();
    const std::string url = command ? getReqUrl(*command) : std::string();
    if (url.empty()) {
        if (failure)
            failure(TAVOError::errorWithType(TAVOErrorTypeSystem, -2, "param error", ns::Error::create("param error", -2)));
        return nullptr;
    }
    const ns::Dictionary parameters = getReqBody(*command);
    auto manager = TNHTTPRequestOperationManager::manager();
    if (type_ == Cloud) {
        manager->securityPolicy = TAVOCommandTrustPolicy::create();
        manager->responseSerializer->acceptableContentTypes =
            std::set<std::string>{"application/json", "text/json", "text/javascript", "text/plain"};
    } else {
        auto serializer = TNTAVOJSONResponseSerializer::serializer();
        serializer->aes128KeyData = aes128KeyData_;
        serializer->requiresSuccessStatus = rangedDownload;
        manager->responseSerializer = serializer;
    }
    for (const auto& [field, value] : getReqHeader(*command)) manager->requestSerializer->setValue(value.stringValue(), field);

    // The manager lives until the operation has answered; the holder is
    // emptied there so nothing keeps the pair alive afterwards.
    auto keep = std::make_shared<TNHTTPRequestOperationManagerPtr>(manager);
    const bool local = type_ == Local;
    auto onSuccess = [keep, parser, success, failure, local, rangedDownload](const TNHTTPRequestOperationPtr&,
                                                                             const ns::Value& reply) {
        keep->reset();
        auto errors = TAVOErrorSystemManager::sharedManager();
        TAVOErrorPtr error;
        if (local && !rangedDownload && reply.isNil()) {
            // Neither encrypted nor plain JSON: the reply cannot be read.
            error = errors->getErrorOfType(TAVOErrorTypeParse, 300002, TAVOLocalizedString("aarchitecture error parse error"));
        } else if (!parser || parser->parseResponse(reply)) {
            if (success) success(parser ? parser->result : ns::Value());
            return;
        } else {
            error = parser->error;
        }
        errors->handleError(error);
        if (failure) failure(error);
    };
    auto onFailure = [keep, failure](const TNHTTPRequestOperationPtr&, const ns::ErrorPtr& error) {
        keep->reset();
        auto converted = TAVOErrorSystemManager::sharedManager()->transferSystemError(error);
        if (failure) failure(converted);
    };

    TNHTTPRequestOperationPtr operation;
    if (body) {
        operation = manager->POST(url, ns::Value(parameters), *body, onSuccess, onFailure);
    } else if (rangedDownload) {
        auto request = manager->requestSerializer->requestWithMethod(mode == 1 ? "GET" : "POST", url, ns::Value(parameters));
        auto download = TAVOCommandDownloadOperation::create(request);
        download->setResponseSerializer(manager->responseSerializer);
        download->securityPolicy = manager->securityPolicy;
        download->setCompletionBlockWithSuccess(onSuccess, onFailure);
        // Queued on the next turn of the main loop: the caller points the
        // operation's output stream at the target file right after this
        // returns, and no byte may arrive before it has.
        auto queue = manager->operationQueue;
        dispatch::Queue::main()->async([queue, download] { queue->addOperation(download); });
        operation = download;
    } else if (mode == 1) {
        operation = manager->GET(url, ns::Value(parameters), onSuccess, onFailure);
    } else {
        operation = manager->POST(url, ns::Value(parameters), onSuccess, onFailure);
    }
    return operation;
}

TNHTTPRequestOperationPtr TAVOCommonService::resumeDownloadFile(const TAVOCommandPtr& command, int mode,
                                                                const TAVOParserPtr& parser, Success success,
                                                                Failure failure, ResumeProgress resumeProgress) {
    auto operation = send(command, nullptr, mode, parser, std::move(success), std::move(failure), true);
    if (operation && resumeProgress) operation->setResumeDownloadProgressBlock(std::move(resumeProgress));
    return operation;
}

TNHTTPRequestOperationPtr TAVOCommonService::resumeUploadFile(const ns::Data& data,
                                                              const std::shared_ptr<TAVOUploadFileCommand>& command, int,
                                                              const TAVOParserPtr& parser, Success success,
                                                              Failure failure) {
    const std::string fileName = command ? command->fileName : std::string();
    // The form is built inside send(), before this returns: the bytes are
    // referred to, not copied a second time (the form part keeps its own copy).
    TNHTTPRequestSerializer::ConstructingBody body = [&data, fileName](TNStreamingMultipartFormData& form) {
        if (!fileName.empty()) form.appendPartWithFileData(data, "file", fileName, "application/octet-stream");
    };
    return sendCommandConstuctUploadStreamBody(command, body, 0, parser, std::move(success), std::move(failure));
}

void TAVOCommonService::chainProgress(const TNHTTPRequestOperationPtr& operation, bool upload, Progress progress) {
    if (!operation || !progress) return;
    // The operation already reports on the main queue, so the caller's
    // progress runs there too.
    auto chained = [progress](std::int64_t bytes, std::int64_t total, std::int64_t expected) {
        if (expected > 0) progress(bytes, total, expected);
    };
    if (upload)
        operation->setUploadProgressBlock(chained);
    else
        operation->setDownloadProgressBlock(chained);
}

TNHTTPRequestOperationPtr TAVOCommonService::downloadFileCommand(const TAVOCommandPtr& command, int mode,
                                                                 const TAVOParserPtr& parser, Success success,
                                                                 Failure failure, Progress progress) {
    auto operation = send(command, nullptr, mode, parser, std::move(success), std::move(failure), true);
    chainProgress(operation, false, std::move(progress));
    return operation;
}

TNHTTPRequestOperationPtr TAVOCommonService::uploadFile(const ns::Data& data, const TAVOCommandPtr& command, int mode,
                                                        const TAVOParserPtr& parser, Success success, Failure failure,
                                                        Progress progress) {
    // Used within sendCommandConstuctUploadStreamBody only: no copy of the bytes.
    TNHTTPRequestSerializer::ConstructingBody body = [&data](TNStreamingMultipartFormData& form) {
        form.appendPartWithFormData(data, "file");
    };
    auto operation = sendCommandConstuctUploadStreamBody(command, body, mode, parser, std::move(success), std::move(failure));
    chainProgress(operation, true, std::move(progress));
    return operation;
}
