#include "management/account/ZARERequest.h"

#include "core/crypto/StringAddition.h"
#include "management/account/ZARUtility.h"
#include "platform/foundation/Bundle.h"

std::string ZARERequest::getHttpURL() {
    return ns::Bundle::deploymentValue("AccountServiceURL", kDefaultServiceURL);
}

ns::Dictionary ZARERequest::generateParams() {
    ns::Dictionary params;
    generateCommonParams(params);
    generateSpecialParams(params);
    return params;
}

void ZARERequest::generateCommonParams(ns::Dictionary& params) {
    auto provider = clientInfoProvider.lock();
    std::string version = provider ? provider->clientVersion() : std::string();
    params.set("from", provider ? provider->clientId() : std::string());
    params.set("is_keep_alive", "1");
    params.set("v", version.empty() ? std::string("1.0") : version);
}

std::string ZARERequest::signedPlainText(const ns::Dictionary& params, const std::string& sigKey) const {
    // Plain byte order: "B" sorts before "a".
    const std::vector<std::string> names = params.sortedKeys();
    std::string signing, plain;
    for (const std::string& name : names) {
        std::string value = params[name].stringValue();
        signing += name + "=" + value;
        plain += name + "=" + ZARUtility::URLEncode(value) + "&";
    }
    signing += sigKey;
    return plain + "sig=" + KXMd5String(signing);
}

std::string ZARERequest::generateParamsString() {
    auto provider = clientInfoProvider.lock();
    std::string sigKey = provider ? provider->clientSigKey() : std::string();
    std::string desKey = provider ? provider->clientDesKey() : std::string();
    std::string clientId = provider ? provider->clientId() : std::string();
    std::string block = ZARUtility::encryptString(signedPlainText(generateParams(), sigKey), desKey);
    return "parad=" + block + "&from=" + clientId;
}
