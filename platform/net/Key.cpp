#include "platform/net/Key.h"

#include <openssl/evp.h>
#include <openssl/x509.h>

namespace sec {

std::shared_ptr<Key> Key::createWithEVP(EVP_PKEY* key) {
    if (!key) return nullptr;
    EVP_PKEY_up_ref(key);
    return std::shared_ptr<Key>(new Key(key));
}

Key::~Key() { EVP_PKEY_free(key_); }

ns::Data Key::subjectPublicKeyInfo() const {
    unsigned char* out = nullptr;
    int length = i2d_PUBKEY(key_, &out);
    if (length <= 0) return {};
    ns::Data data(out, static_cast<std::size_t>(length));
    OPENSSL_free(out);
    return data;
}

int Key::bits() const { return EVP_PKEY_get_bits(key_); }

bool Key::isEqual(const ns::Object& other) const {
    auto* key = dynamic_cast<const Key*>(&other);
    return key && EVP_PKEY_eq(key_, key->key_) == 1;
}

}  // namespace sec
