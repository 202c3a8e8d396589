#include "protocol/requests/TAVOHttpDataRequest.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/HTTPURLResponse.h"
#include "platform/foundation/URL.h"
#include "platform/net/URLAuthenticationChallengeSender.h"
#include "platform/net/URLCredential.h"
#include "platform/net/URLProtectionSpace.h"
#include "protocol/requests/TAVOHttpDataParser.h"

std::string TAVOHttpDataRequest::cloudBaseURL() {
    // The cloud serves TLS on the explicit port 80.
    return ns::Bundle::deploymentValue("CloudRouterBaseURL", "https://router.cloud.keelbox.org:80");
}

void TAVOHttpDataRequest::startRequest(const ns::Value& param) {
    TAVODataRequest::startRequest(param);
    data_ = ns::Data();
    ns::MutableURLRequest request(ns::URL::URLWithString(generateURL()), ns::kURLRequestReloadIgnoringLocalCacheData, timeout());
    request.setHTTPMethod(reqMethod());
    if (auto fields = generateHeader()) request.setAllHTTPHeaderFields(*fields);
    if (auto body = generateBody()) request.setHTTPBody(std::move(body));
    auto delegate = std::static_pointer_cast<TAVOHttpDataRequest>(shared_from_this());
    connection_ = ns::URLConnection::create(request, delegate);
}

TAVODataParserPtr TAVOHttpDataRequest::createParser() { return TAVOHttpDataParser::create(); }

void TAVOHttpDataRequest::connectionWillSendRequestForAuthenticationChallenge(
    const ns::URLConnectionPtr&, const ns::URLAuthenticationChallengePtr& challenge) {
    const auto& space = challenge->protectionSpace();
    if (!space || space->authenticationMethod() != ns::kURLAuthenticationMethodServerTrust) {
        // No other challenge is expected from either API; let the platform end it.
        challenge->sender()->performDefaultHandlingForAuthenticationChallenge(challenge);
        return;
    }
    if (securityPolice_ && securityPolice_->evaluateServerTrust(space->serverTrust()))
        challenge->sender()->useCredential(ns::URLCredential::credentialForTrust(space->serverTrust()), challenge);
    else
        challenge->sender()->cancelAuthenticationChallenge(challenge);
}

void TAVOHttpDataRequest::connectionDidReceiveResponse(const ns::URLConnectionPtr&, const ns::URLResponsePtr& response) {
    if (auto http = std::dynamic_pointer_cast<ns::HTTPURLResponse>(response)) header_ = http->allHeaderFields().toDictionary();
}

void TAVOHttpDataRequest::connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& chunk) { data_.append(chunk); }

void TAVOHttpDataRequest::connectionDidFinishLoading(const ns::URLConnectionPtr&) {
    connection_.reset();
    requestComplete();
}

void TAVOHttpDataRequest::connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& error) {
    connection_.reset();
    error_ = error;
    requestComplete();
}
