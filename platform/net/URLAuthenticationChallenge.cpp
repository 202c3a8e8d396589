#include "platform/net/URLAuthenticationChallenge.h"

namespace ns {

std::shared_ptr<URLAuthenticationChallenge> URLAuthenticationChallenge::create(
    URLProtectionSpacePtr space, std::shared_ptr<URLAuthenticationChallengeSender> sender, int previousFailureCount) {
    std::shared_ptr<URLAuthenticationChallenge> challenge(new URLAuthenticationChallenge());
    challenge->space_ = std::move(space);
    challenge->sender_ = std::move(sender);
    challenge->previousFailureCount_ = previousFailureCount;
    return challenge;
}

}  // namespace ns
