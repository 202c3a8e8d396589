// sec::Key: a public key taken from a certificate.
#pragma once

#include <memory>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"

typedef struct evp_pkey_st EVP_PKEY;

namespace sec {

class Key : public ns::Object {
public:
    // Takes one reference of the given key; nullptr for none.
    static std::shared_ptr<Key> createWithEVP(EVP_PKEY* key);
    ~Key() override;

    // SubjectPublicKeyInfo, DER.
    ns::Data subjectPublicKeyInfo() const;
    // Key size in bits.
    int bits() const;
    EVP_PKEY* evp() const { return key_; }

    // Two keys are equal when they are the same public key.
    bool isEqual(const ns::Object& other) const override;

protected:
    explicit Key(EVP_PKEY* key) : key_(key) {}

private:
    EVP_PKEY* key_;
};

using KeyPtr = std::shared_ptr<Key>;

}  // namespace sec
