// ns::URLAuthenticationChallenge: a server asks to be trusted (or for a
// credential); the delegate answers through the challenge's sender.
#pragma once

#include <memory>

#include "platform/foundation/Error.h"
#include "platform/foundation/Object.h"
#include "platform/net/URLAuthenticationChallengeSender.h"
#include "platform/net/URLCredential.h"
#include "platform/net/URLProtectionSpace.h"

namespace ns {

class URLAuthenticationChallenge : public Object {
public:
    static std::shared_ptr<URLAuthenticationChallenge> create(URLProtectionSpacePtr space,
                                                              std::shared_ptr<URLAuthenticationChallengeSender> sender,
                                                              int previousFailureCount = 0);

    const URLProtectionSpacePtr& protectionSpace() const { return space_; }
    std::shared_ptr<URLAuthenticationChallengeSender> sender() const { return sender_; }
    int previousFailureCount() const { return previousFailureCount_; }
    URLCredentialPtr proposedCredential() const { return nullptr; }

private:
    URLAuthenticationChallenge() = default;
    URLProtectionSpacePtr space_;
    std::shared_ptr<URLAuthenticationChallengeSender> sender_;
    int previousFailureCount_ = 0;
};

using URLAuthenticationChallengePtr = std::shared_ptr<URLAuthenticationChallenge>;

}  // namespace ns
