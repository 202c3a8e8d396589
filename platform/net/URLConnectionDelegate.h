// What an ns::URLConnection tells its delegate, on the run loop it was
// scheduled on, in this order: the request hook (before the request goes
// out), the credential-storage query and the authentication challenge (HTTPS
// server trust, inside the handshake), the response, body progress and data
// as they come, then exactly one of finish or fail. Nothing after cancel.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/URLRequest.h"
#include "platform/foundation/URLResponse.h"
#include "platform/net/URLAuthenticationChallenge.h"

namespace ns {

class URLConnection;
using URLConnectionPtr = std::shared_ptr<URLConnection>;

class URLConnectionDelegate {
public:
    virtual ~URLConnectionDelegate() = default;

    // connection:willSendRequest:redirectResponse: — asked once before the
    // request is sent (redirects are never followed, so the redirect
    // response is always null). Answering none cancels the connection
    // silently. Only called when implementsWillSendRequest().
    virtual bool implementsWillSendRequest() const { return false; }
    virtual std::optional<URLRequest> connectionWillSendRequestRedirectResponse(const URLConnectionPtr&,
                                                                               const URLRequest& request,
                                                                               const URLResponsePtr&) {
        return request;
    }

    // Asked before each challenge; the answer is recorded (no credential
    // store keeps anything across connections).
    virtual bool connectionShouldUseCredentialStorage(const URLConnectionPtr&) { return true; }

    // Without an implementation, the system's default handling decides
    // (the system's root store and the host name).
    virtual bool implementsWillSendRequestForAuthenticationChallenge() const { return false; }
    virtual void connectionWillSendRequestForAuthenticationChallenge(const URLConnectionPtr&,
                                                                     const URLAuthenticationChallengePtr& challenge) {
        challenge->sender()->performDefaultHandlingForAuthenticationChallenge(challenge);
    }

    virtual void connectionDidReceiveResponse(const URLConnectionPtr&, const URLResponsePtr&) {}
    virtual void connectionDidReceiveData(const URLConnectionPtr&, const Data&) {}
    virtual void connectionDidSendBodyData(const URLConnectionPtr&, std::int64_t /*bytesWritten*/,
                                           std::int64_t /*totalBytesWritten*/,
                                           std::int64_t /*totalBytesExpectedToWrite*/) {}
    virtual void connectionDidFinishLoading(const URLConnectionPtr&) {}
    virtual void connectionDidFailWithError(const URLConnectionPtr&, const ErrorPtr&) {}
};

}  // namespace ns
