#include "platform/net/URLCredential.h"

namespace ns {

std::shared_ptr<URLCredential> URLCredential::credentialForTrust(sec::TrustPtr trust) {
    std::shared_ptr<URLCredential> credential(new URLCredential());
    credential->trust_ = std::move(trust);
    return credential;
}

std::shared_ptr<URLCredential> URLCredential::credentialWithUser(std::string user, std::string password,
                                                                 URLCredentialPersistence persistence) {
    std::shared_ptr<URLCredential> credential(new URLCredential());
    credential->user_ = std::move(user);
    credential->password_ = std::move(password);
    credential->persistence_ = persistence;
    return credential;
}

}  // namespace ns
