// The test key pair's private half, read through OpenSSL directly: it plays
// the router, which unwraps session keys with it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

namespace keelbox::test {

struct PKeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
using PrivateKey = std::unique_ptr<EVP_PKEY, PKeyFree>;

inline std::string routerPrivateKeyPath() {
    // KEELBOX_RESOURCES names the source tree's resources/; without it, find
    // the tree from this header's own place (tests/core/crypto/).
    std::filesystem::path root = std::filesystem::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    if (const char* res = std::getenv("KEELBOX_RESOURCES"); res && *res) root = std::filesystem::path(res).parent_path();
    return (root / "emulator/keys/router_private_key.pem").string();
}

inline PrivateKey loadRouterPrivateKey() {
    FILE* f = std::fopen(routerPrivateKeyPath().c_str(), "r");
    if (!f) return nullptr;
    PrivateKey key(PEM_read_PrivateKey(f, nullptr, nullptr, nullptr));
    std::fclose(f);
    return key;
}

// Decrypts one PKCS#1 v1.5 block with the private key; empty on failure.
inline std::vector<std::uint8_t> privateDecrypt(EVP_PKEY* key, const std::uint8_t* block, std::size_t length) {
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(key, nullptr), EVP_PKEY_CTX_free);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(EVP_PKEY_get_size(key)));
    std::size_t written = out.size();
    if (!ctx || EVP_PKEY_decrypt_init(ctx.get()) != 1 ||
        EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1 ||
        EVP_PKEY_decrypt(ctx.get(), out.data(), &written, block, length) != 1)
        return {};
    out.resize(written);
    return out;
}

}  // namespace keelbox::test
