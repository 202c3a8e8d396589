// The object a challenge's answer goes to (the connection, for
// ns::URLConnection). Each challenge is answered once; later answers are
// ignored.
#pragma once

#include <memory>

namespace ns {

class URLAuthenticationChallenge;
class URLCredential;

class URLAuthenticationChallengeSender {
public:
    virtual ~URLAuthenticationChallengeSender() = default;
    virtual void useCredential(const std::shared_ptr<URLCredential>& credential,
                               const std::shared_ptr<URLAuthenticationChallenge>& challenge) = 0;
    virtual void continueWithoutCredentialForAuthenticationChallenge(
        const std::shared_ptr<URLAuthenticationChallenge>& challenge) = 0;
    // The transfer then fails with -1012.
    virtual void cancelAuthenticationChallenge(const std::shared_ptr<URLAuthenticationChallenge>& challenge) = 0;
    virtual void performDefaultHandlingForAuthenticationChallenge(
        const std::shared_ptr<URLAuthenticationChallenge>& challenge) = 0;
    virtual void rejectProtectionSpaceAndContinueWithChallenge(
        const std::shared_ptr<URLAuthenticationChallenge>& challenge) = 0;
};

}  // namespace ns
