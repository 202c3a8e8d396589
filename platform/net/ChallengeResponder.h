// Carries one server-trust answer from the delegate's thread to the transfer
// waiting inside its TLS handshake. The first answer wins; cancelling the
// transfer answers Cancel so the handshake never waits for a delegate that
// will not reply.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>

#include "platform/net/URLAuthenticationChallengeSender.h"
#include "platform/net/URLTransfer.h"

namespace ns {

class ChallengeResponder : public URLAuthenticationChallengeSender {
public:
    void resolve(TrustAnswer answer);
    // Blocks until an answer arrives.
    TrustAnswer wait();

    void useCredential(const std::shared_ptr<URLCredential>& credential,
                       const std::shared_ptr<URLAuthenticationChallenge>& challenge) override;
    void continueWithoutCredentialForAuthenticationChallenge(
        const std::shared_ptr<URLAuthenticationChallenge>& challenge) override;
    void cancelAuthenticationChallenge(const std::shared_ptr<URLAuthenticationChallenge>& challenge) override;
    void performDefaultHandlingForAuthenticationChallenge(
        const std::shared_ptr<URLAuthenticationChallenge>& challenge) override;
    void rejectProtectionSpaceAndContinueWithChallenge(
        const std::shared_ptr<URLAuthenticationChallenge>& challenge) override;

private:
    std::mutex mutex_;
    std::condition_variable answered_;
    std::optional<TrustAnswer> answer_;
};

}  // namespace ns
