// cc::Cryptor: the platform's cipher object (create, update, final, release).
//
// A cryptor runs one algorithm in one direction over data fed in pieces.
// Output goes into caller-provided areas: an area that is too small is
// refused with kCCBufferTooSmall before anything is written, and the needed
// size is reported in dataOutMoved. Block ciphers in CBC or ECB mode, with or
// without PKCS#7 padding; RC4 as a stream. An absent IV means all zeros.
// Release is destruction (the unique_ptr the factory fills).
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/crypto/CryptorTypes.h"

typedef struct evp_cipher_ctx_st EVP_CIPHER_CTX;

namespace cc {

class Cryptor {
public:
    // Validates the algorithm, options and key length and prepares the cipher.
    // kCCParamError for an unknown algorithm, a bad key length or a missing
    // key; kCCUnimplemented when OpenSSL has no implementation.
    static CryptorStatus create(Operation op, Algorithm alg, Options options, const void* key,
                                std::size_t keyLength, const void* iv, std::unique_ptr<Cryptor>& cryptorOut);
    ~Cryptor();
    Cryptor(const Cryptor&) = delete;
    Cryptor& operator=(const Cryptor&) = delete;

    // Output size for inputLength more bytes, with or without finalising.
    // With finalising it is an upper bound (decryption strips padding).
    std::size_t getOutputLength(std::size_t inputLength, bool final) const;

    CryptorStatus update(const void* dataIn, std::size_t dataInLength, void* dataOut,
                         std::size_t dataOutAvailable, std::size_t* dataOutMoved);
    // kCCAlignmentError when unpadded input did not fill whole blocks (or
    // padded cipher text is not whole blocks); kCCDecodeError when the padding
    // of decrypted data does not check out.
    CryptorStatus final(void* dataOut, std::size_t dataOutAvailable, std::size_t* dataOutMoved);

private:
    Cryptor(EVP_CIPHER_CTX* ctx, Operation op, std::size_t blockSize, bool padding);
    // Bytes that the cipher has released after totalIn bytes of input.
    std::size_t releasedAfter(std::size_t totalIn) const;

    EVP_CIPHER_CTX* ctx_;
    Operation op_;
    std::size_t blockSize_;  // 1 for a stream cipher
    bool padding_;
    bool finished_ = false;
    std::size_t totalIn_ = 0;
    std::size_t totalOut_ = 0;  // bytes released by update so far
    bool finalRun_ = false;     // OpenSSL's final step has run; its bytes wait in finalBytes_
    std::vector<unsigned char> finalBytes_;
};

}  // namespace cc
