// The OpenSSL algorithm implementations the cipher service runs on.
//
// DES, CAST, RC4 and MD4 live only in OpenSSL's legacy provider. Loading it
// into the process-wide default context would change what every other OpenSSL
// user of the process (TLS, trust evaluation) sees, so the service keeps a
// library context of its own holding the default and the legacy providers.
// The context is made once, thread-safely, on first use; fetched algorithms
// are cached for the life of the process (fetching is far slower than using).
#pragma once

#include <string>

#include <openssl/evp.h>

namespace cc {

class OpenSSLAlgorithms {
public:
    // The service's library context (default + legacy providers).
    static OSSL_LIB_CTX* context();
    // A cipher by OpenSSL name ("AES-128-CBC", "DES-ECB", "CAST5-CBC", "RC4"),
    // or nullptr when no provider has it.
    static const EVP_CIPHER* cipher(const std::string& name);
    // A digest by OpenSSL name ("MD5", "SHA2-256", "MD4"), or nullptr.
    static const EVP_MD* digest(const std::string& name);
};

}  // namespace cc
