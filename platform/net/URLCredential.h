// ns::URLCredential: what answers a challenge. Only server-trust credentials
// (and plain user/password ones, which no server here asks for) exist.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/net/Trust.h"

namespace ns {

enum class URLCredentialPersistence { None = 0, ForSession = 1, Permanent = 2 };

class URLCredential : public Object {
public:
    // The credential that accepts a server's chain.
    static std::shared_ptr<URLCredential> credentialForTrust(sec::TrustPtr trust);
    static std::shared_ptr<URLCredential> credentialWithUser(std::string user, std::string password,
                                                             URLCredentialPersistence persistence);

    const sec::TrustPtr& serverTrust() const { return trust_; }
    const std::string& user() const { return user_; }
    const std::string& password() const { return password_; }
    bool hasPassword() const { return !password_.empty(); }
    URLCredentialPersistence persistence() const { return persistence_; }

private:
    URLCredential() = default;
    sec::TrustPtr trust_;
    std::string user_;
    std::string password_;
    URLCredentialPersistence persistence_ = URLCredentialPersistence::ForSession;
};

using URLCredentialPtr = std::shared_ptr<URLCredential>;

}  // namespace ns
