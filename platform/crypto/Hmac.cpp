#include "platform/crypto/Hmac.h"

#include <openssl/hmac.h>

#include "platform/crypto/Digest.h"
#include "platform/crypto/OpenSSLAlgorithms.h"

namespace cc {

namespace {

const char* openSSLName(HmacAlgorithm alg) {
    switch (alg) {
    case kCCHmacAlgSHA1: return "SHA1";
    case kCCHmacAlgMD5: return "MD5";
    case kCCHmacAlgSHA256: return "SHA2-256";
    case kCCHmacAlgSHA384: return "SHA2-384";
    case kCCHmacAlgSHA512: return "SHA2-512";
    case kCCHmacAlgSHA224: return "SHA2-224";
    default: return nullptr;
    }
}

}  // namespace

std::size_t hmacLength(HmacAlgorithm alg) {
    switch (alg) {
    case kCCHmacAlgSHA1: return kCCSHA1DigestLength;
    case kCCHmacAlgMD5: return kCCMD5DigestLength;
    case kCCHmacAlgSHA256: return kCCSHA256DigestLength;
    case kCCHmacAlgSHA384: return kCCSHA384DigestLength;
    case kCCHmacAlgSHA512: return kCCSHA512DigestLength;
    case kCCHmacAlgSHA224: return kCCSHA224DigestLength;
    default: return 0;
    }
}

bool hmac(HmacAlgorithm alg, const void* key, std::size_t keyLength, const void* data, std::size_t dataLength,
          unsigned char* macOut) {
    const char* name = openSSLName(alg);
    if (!name) return false;
    const EVP_MD* md = OpenSSLAlgorithms::digest(name);
    if (!md) return false;
    static const unsigned char kNothing = 0;
    unsigned int written = 0;
    // OpenSSL wants non-null pointers even for empty keys and data.
    return HMAC(md, key ? key : &kNothing, static_cast<int>(key ? keyLength : 0),
                static_cast<const unsigned char*>(data ? data : &kNothing), data ? dataLength : 0, macOut,
                &written) != nullptr &&
           written == hmacLength(alg);
}

}  // namespace cc
