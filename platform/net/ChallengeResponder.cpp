#include "platform/net/ChallengeResponder.h"

#include "platform/net/URLCredential.h"

namespace ns {

void ChallengeResponder::resolve(TrustAnswer answer) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (answer_) return;
    answer_ = answer;
    answered_.notify_all();
}

TrustAnswer ChallengeResponder::wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    answered_.wait(lock, [this] { return answer_.has_value(); });
    return *answer_;
}

void ChallengeResponder::useCredential(const std::shared_ptr<URLCredential>& credential,
                                       const std::shared_ptr<URLAuthenticationChallenge>&) {
    // Only a credential made for the server's trust accepts the server.
    resolve(credential && credential->serverTrust() ? TrustAnswer::Accept : TrustAnswer::Cancel);
}

void ChallengeResponder::continueWithoutCredentialForAuthenticationChallenge(
    const std::shared_ptr<URLAuthenticationChallenge>&) {
    resolve(TrustAnswer::DefaultHandling);
}

void ChallengeResponder::cancelAuthenticationChallenge(const std::shared_ptr<URLAuthenticationChallenge>&) {
    resolve(TrustAnswer::Cancel);
}

void ChallengeResponder::performDefaultHandlingForAuthenticationChallenge(
    const std::shared_ptr<URLAuthenticationChallenge>&) {
    resolve(TrustAnswer::DefaultHandling);
}

void ChallengeResponder::rejectProtectionSpaceAndContinueWithChallenge(
    const std::shared_ptr<URLAuthenticationChallenge>&) {
    resolve(TrustAnswer::Cancel);
}

}  // namespace ns
