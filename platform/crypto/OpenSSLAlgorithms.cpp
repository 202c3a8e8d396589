#include "platform/crypto/OpenSSLAlgorithms.h"

#include <map>
#include <mutex>

#include <openssl/provider.h>

namespace cc {

namespace {

struct Library {
    OSSL_LIB_CTX* context = nullptr;
    std::mutex mutex;  // guards the caches
    std::map<std::string, EVP_CIPHER*> ciphers;
    std::map<std::string, EVP_MD*> digests;
};

Library& library() {
    // A function-local static is initialised exactly once even when several
    // threads arrive together. The context and the fetched algorithms are
    // kept until the process ends.
    static Library* lib = [] {
        auto* l = new Library;
        l->context = OSSL_LIB_CTX_new();
        if (l->context) {
            OSSL_PROVIDER_load(l->context, "default");
            OSSL_PROVIDER_load(l->context, "legacy");
        }
        return l;
    }();
    return *lib;
}

}  // namespace

OSSL_LIB_CTX* OpenSSLAlgorithms::context() { return library().context; }

const EVP_CIPHER* OpenSSLAlgorithms::cipher(const std::string& name) {
    Library& lib = library();
    std::lock_guard<std::mutex> lock(lib.mutex);
    auto it = lib.ciphers.find(name);
    if (it != lib.ciphers.end()) return it->second;
    EVP_CIPHER* c = EVP_CIPHER_fetch(lib.context, name.c_str(), nullptr);
    lib.ciphers.emplace(name, c);
    return c;
}

const EVP_MD* OpenSSLAlgorithms::digest(const std::string& name) {
    Library& lib = library();
    std::lock_guard<std::mutex> lock(lib.mutex);
    auto it = lib.digests.find(name);
    if (it != lib.digests.end()) return it->second;
    EVP_MD* d = EVP_MD_fetch(lib.context, name.c_str(), nullptr);
    lib.digests.emplace(name, d);
    return d;
}

}  // namespace cc
