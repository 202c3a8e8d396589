#include "platform/crypto/Digest.h"

#include <openssl/evp.h>

#include "platform/crypto/MD2.h"
#include "platform/crypto/OpenSSLAlgorithms.h"

namespace cc {

namespace {

const char* openSSLName(DigestAlgorithm alg) {
    switch (alg) {
    case DigestAlgorithm::MD4: return "MD4";
    case DigestAlgorithm::MD5: return "MD5";
    case DigestAlgorithm::SHA1: return "SHA1";
    case DigestAlgorithm::SHA224: return "SHA2-224";
    case DigestAlgorithm::SHA256: return "SHA2-256";
    case DigestAlgorithm::SHA384: return "SHA2-384";
    case DigestAlgorithm::SHA512: return "SHA2-512";
    case DigestAlgorithm::MD2: break;
    }
    return nullptr;
}

}  // namespace

std::size_t digestLength(DigestAlgorithm alg) {
    switch (alg) {
    case DigestAlgorithm::MD2: return kCCMD2DigestLength;
    case DigestAlgorithm::MD4: return kCCMD4DigestLength;
    case DigestAlgorithm::MD5: return kCCMD5DigestLength;
    case DigestAlgorithm::SHA1: return kCCSHA1DigestLength;
    case DigestAlgorithm::SHA224: return kCCSHA224DigestLength;
    case DigestAlgorithm::SHA256: return kCCSHA256DigestLength;
    case DigestAlgorithm::SHA384: return kCCSHA384DigestLength;
    case DigestAlgorithm::SHA512: return kCCSHA512DigestLength;
    }
    return 0;
}

unsigned char* digest(DigestAlgorithm alg, const void* data, std::size_t length, unsigned char* md) {
    if (alg == DigestAlgorithm::MD2) {
        MD2 md2;
        md2.update(data, length);
        md2.final(md);
        return md;
    }
    const EVP_MD* type = OpenSSLAlgorithms::digest(openSSLName(alg));
    if (!type) return nullptr;
    static const unsigned char kNothing = 0;
    if (EVP_Digest(data ? data : &kNothing, length, md, nullptr, type, nullptr) != 1) return nullptr;
    return md;
}

}  // namespace cc
