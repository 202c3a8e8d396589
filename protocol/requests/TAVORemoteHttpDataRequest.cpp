#include "protocol/requests/TAVORemoteHttpDataRequest.h"

#include <exception>
#include <mutex>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/DataBase64.h"
#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/CommonUtility.h"
#include "core/crypto/RSABlocks.h"
#include "core/crypto/RouterPublicKey.h"
#include "core/crypto/StringAddition.h"
#include "core/errors/TAVOErrorSystemManager.h"
#include "net/json/TinyJson.h"
#include "platform/foundation/Bundle.h"
#include "protocol/TAVOAppInfoProvider.h"

namespace {

// The text form a value takes in a form body: numbers in decimal, text as it is.
std::string formText(const ns::Value& value) {
    if (value.isString() || value.isNumber()) return value.stringValue();
    return value.description();
}

// The embedded public key, read once it can be read: it never changes, and
// reading PEM text costs more than the wrap itself.
EVP_PKEY* routerKey() {
    static std::mutex mutex;
    static RSAKey key;
    std::lock_guard<std::mutex> lock(mutex);
    if (!key) key = createRSAFromPEM(routerPublicKeyPEM(), kRSAPublicKey);
    return key.get();
}

}  // namespace

std::string TAVORemoteHttpDataRequest::localBaseURL() {
    return "http://" + ns::Bundle::deploymentValue("RouterLocalHost", "router.keelbox.lan") + "/home1/";
}

std::string TAVORemoteHttpDataRequest::generateURL() {
    if (isLocal()) return localBaseURL();
    return cloudBaseURL() + "/" + moduleNameForAPI() + "/" + concreteNameForAPI();
}

ns::Dictionary TAVORemoteHttpDataRequest::commonInfo() {
    if (auto provider = commonInfoProvider())
        if (auto info = provider->commonInfo()) return *info;
    return ns::Dictionary{{"plat", "iphone"}, {"versioncode", TAVOAppInfoProvider::currentAppVersionCode()}};
}

std::optional<ns::Dictionary> TAVORemoteHttpDataRequest::localRequestParam() {
    if (auto provider = commonInfoProvider()) return provider->localRequestInfo();
    return std::nullopt;
}

std::string TAVORemoteHttpDataRequest::formBody(const ns::Dictionary& param, const ns::Dictionary& common) {
    // Keys and values are escaped once, so that "&" and "=" inside a value
    // cannot split or forge pairs; the server decodes once.
    std::string body;
    for (const auto& key : param.sortedKeys()) body += URLEncode(key) + "=" + URLEncode(formText(param[key])) + "&";
    for (const auto& [key, value] : common) body += URLEncode(key) + "=" + URLEncode(formText(value)) + "&";
    return body;
}

std::optional<ns::Data> TAVORemoteHttpDataRequest::encryptBody(const std::string& json) {
    aes128Key_ = CommonUtility::randomData(16);
    auto cipher = KXAES256EncryptedDataUsingKey(ns::Data::fromString(json), CipherKey(aes128Key_));
    std::vector<std::uint8_t> wrapped;
    EVP_PKEY* key = routerKey();
    if (!cipher || !key || !rsaEncryptBlocks(key, aes128Key_.bytes(), aes128Key_.length(), wrapped) || wrapped.empty())
        return std::nullopt;
    const std::string body =
        "data=" + URLEncode(base64Encoding(*cipher)) + "&" + "key=" + URLEncode(base64Encoding(ns::Data(std::move(wrapped))));
    return ns::Data::fromString(body);
}

std::optional<ns::Data> TAVORemoteHttpDataRequest::generateBody() {
    if (!isLocal()) {
        if (!param().isDictionary()) return std::nullopt;
        return ns::Data::fromString(formBody(param().asDictionary(), commonInfo()));
    }
    ns::Dictionary body;
    if (param().isDictionary()) body = param().asDictionary();
    if (auto extra = localRequestParam()) body.addEntries(*extra);
    body.set("cmd", moduleNameForAPI() + "." + concreteNameForAPI());
    const ns::Value json = JSONRepresentation(ns::Value(std::move(body)));
    if (!json.isString() || json.asString().empty()) return std::nullopt;
    return encryptBody(json.asString());
}

void TAVORemoteHttpDataRequest::parseNewData(const TAVODataParserPtr& parser) {
    auto errors = TAVOErrorSystemManager::sharedManager();
    TAVOErrorPtr failure;
    ns::Value result;
    try {
        if (error()) {
            failure = errors->transferSystemError(error());
            clearError();
        } else {
            if (isLocal()) {
                const std::string_view text(reinterpret_cast<const char*>(data().bytes()), data().length());
                if (auto cipher = KXBase64DecodeToData(text); cipher && !aes128Key_.empty())
                    if (auto plain = KXDecryptedAES256DataUsingKey(*cipher, CipherKey(aes128Key_))) setData(std::move(*plain));
            }
            if (parser) parser->parseNewData(data());
            setData(ns::Data());
            if (parser && parser->errorInfo)
                failure = parser->errorInfo;
            else if (parser)
                result = parser->dataInfo;
        }
    } catch (const std::exception&) {
        setData(ns::Data());
        failure = errors->getErrorOfType(TAVOErrorTypeParse, 300003, TAVOLocalizedString("aarchitecture error parse error"));
    }
    if (failure)
        requestFailedWithTAVOError(failure);
    else
        requestSucceesfully(result);
}
