#include "platform/crypto/Cryptor.h"

#include <cstring>
#include <string>
#include <vector>

#include <openssl/evp.h>

#include "platform/crypto/OpenSSLAlgorithms.h"

namespace cc {

namespace {

struct CipherChoice {
    std::string name;        // OpenSSL name
    std::size_t blockSize;   // 1 for a stream cipher
    bool variableKey;        // the key length must be set on the context
};

// Picks the OpenSSL cipher for an algorithm, mode and key length; false when
// the key length is not one the algorithm takes.
bool chooseCipher(Algorithm alg, Options options, std::size_t keyLength, CipherChoice& out) {
    const char* mode = (options & kCCOptionECBMode) ? "ECB" : "CBC";
    switch (alg) {
    case kCCAlgorithmAES:
        if (keyLength != kCCKeySizeAES128 && keyLength != kCCKeySizeAES192 && keyLength != kCCKeySizeAES256)
            return false;
        out = {"AES-" + std::to_string(keyLength * 8) + "-" + mode, kCCBlockSizeAES128, false};
        return true;
    case kCCAlgorithmDES:
        if (keyLength != kCCKeySizeDES) return false;
        out = {std::string("DES-") + mode, kCCBlockSizeDES, false};
        return true;
    case kCCAlgorithm3DES:
        if (keyLength != kCCKeySize3DES) return false;
        out = {std::string("DES-EDE3-") + mode, kCCBlockSize3DES, false};
        return true;
    case kCCAlgorithmCAST:
        if (keyLength < kCCKeySizeMinCAST || keyLength > kCCKeySizeMaxCAST) return false;
        out = {std::string("CAST5-") + mode, kCCBlockSizeCAST, true};
        return true;
    case kCCAlgorithmRC4:
        if (keyLength < kCCKeySizeMinRC4 || keyLength > kCCKeySizeMaxRC4) return false;
        out = {"RC4", 1, true};
        return true;
    default:
        return false;
    }
}

}  // namespace

Cryptor::Cryptor(EVP_CIPHER_CTX* ctx, Operation op, std::size_t blockSize, bool padding)
    : ctx_(ctx), op_(op), blockSize_(blockSize), padding_(padding) {}

Cryptor::~Cryptor() { EVP_CIPHER_CTX_free(ctx_); }

CryptorStatus Cryptor::create(Operation op, Algorithm alg, Options options, const void* key,
                              std::size_t keyLength, const void* iv, std::unique_ptr<Cryptor>& cryptorOut) {
    cryptorOut.reset();
    if (op != kCCEncrypt && op != kCCDecrypt) return kCCParamError;
    if (!key || (options & ~(kCCOptionPKCS7Padding | kCCOptionECBMode)) != 0) return kCCParamError;
    CipherChoice choice;
    if (!chooseCipher(alg, options, keyLength, choice)) return kCCParamError;
    const EVP_CIPHER* cipher = OpenSSLAlgorithms::cipher(choice.name);
    if (!cipher) return kCCUnimplemented;

    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    if (!ctx) return kCCMemoryFailure;
    const int enc = op == kCCEncrypt ? 1 : 0;
    // The key length of variable-key ciphers is set between the two init
    // calls; the IV of CBC is all zeros unless one is given.
    unsigned char zeroIV[EVP_MAX_IV_LENGTH] = {0};
    bool ok = EVP_CipherInit_ex(ctx, cipher, nullptr, nullptr, nullptr, enc) == 1;
    if (ok && choice.variableKey) ok = EVP_CIPHER_CTX_set_key_length(ctx, static_cast<int>(keyLength)) == 1;
    const bool usesIV = EVP_CIPHER_CTX_get_iv_length(ctx) > 0;
    const unsigned char* ivBytes = usesIV ? (iv ? static_cast<const unsigned char*>(iv) : zeroIV) : nullptr;
    if (ok) ok = EVP_CipherInit_ex(ctx, nullptr, nullptr, static_cast<const unsigned char*>(key), ivBytes, enc) == 1;
    const bool padding = choice.blockSize > 1 && (options & kCCOptionPKCS7Padding);
    if (ok) ok = EVP_CIPHER_CTX_set_padding(ctx, padding ? 1 : 0) == 1;
    if (!ok) {
        EVP_CIPHER_CTX_free(ctx);
        return kCCParamError;
    }
    cryptorOut.reset(new Cryptor(ctx, op, choice.blockSize, padding));
    return kCCSuccess;
}

std::size_t Cryptor::releasedAfter(std::size_t totalIn) const {
    if (blockSize_ == 1) return totalIn;
    // A padded decryption holds back its last whole block until final, since
    // that block carries the padding.
    if (op_ == kCCDecrypt && padding_) return totalIn == 0 ? 0 : (totalIn - 1) / blockSize_ * blockSize_;
    return totalIn / blockSize_ * blockSize_;
}

std::size_t Cryptor::getOutputLength(std::size_t inputLength, bool final) const {
    const std::size_t total = totalIn_ + inputLength;
    if (!final) return releasedAfter(total) - totalOut_;
    if (op_ == kCCEncrypt && padding_) return (total / blockSize_ + 1) * blockSize_ - totalOut_;
    return total - totalOut_;
}

CryptorStatus Cryptor::update(const void* dataIn, std::size_t dataInLength, void* dataOut,
                              std::size_t dataOutAvailable, std::size_t* dataOutMoved) {
    if (dataOutMoved) *dataOutMoved = 0;
    if (finished_ || finalRun_ || (!dataIn && dataInLength > 0)) return kCCParamError;
    const std::size_t needed = releasedAfter(totalIn_ + dataInLength) - totalOut_;
    if (needed > dataOutAvailable || (needed > 0 && !dataOut)) {
        if (dataOutMoved) *dataOutMoved = needed;
        return kCCBufferTooSmall;
    }
    // OpenSSL takes int lengths: feed very large inputs in slices.
    const auto* in = static_cast<const unsigned char*>(dataIn);
    auto* out = static_cast<unsigned char*>(dataOut);
    std::size_t moved = 0;
    std::size_t left = dataInLength;
    constexpr std::size_t kSlice = std::size_t(1) << 30;
    while (left > 0) {
        const std::size_t n = left < kSlice ? left : kSlice;
        int written = 0;
        if (EVP_CipherUpdate(ctx_, out + moved, &written, in, static_cast<int>(n)) != 1) return kCCParamError;
        moved += static_cast<std::size_t>(written);
        in += n;
        left -= n;
    }
    totalIn_ += dataInLength;
    totalOut_ += moved;
    if (dataOutMoved) *dataOutMoved = moved;
    return kCCSuccess;
}

CryptorStatus Cryptor::final(void* dataOut, std::size_t dataOutAvailable, std::size_t* dataOutMoved) {
    if (dataOutMoved) *dataOutMoved = 0;
    if (finished_) return kCCParamError;
    if (blockSize_ > 1) {
        const bool aligned = totalIn_ % blockSize_ == 0;
        if (!padding_ && !aligned) return kCCAlignmentError;
        if (op_ == kCCDecrypt && padding_) {
            if (!aligned) return kCCAlignmentError;
            if (totalIn_ == 0) return kCCDecodeError;
        }
    }
    // Finalise into a block of our own: a padded decryption releases an
    // amount known only after the padding has been read, and a caller whose
    // area turns out too small may call again with a larger one.
    if (!finalRun_) {
        unsigned char last[EVP_MAX_BLOCK_LENGTH];
        int written = 0;
        if (EVP_CipherFinal_ex(ctx_, last, &written) != 1) {
            finished_ = true;
            return op_ == kCCDecrypt ? kCCDecodeError : kCCParamError;
        }
        finalRun_ = true;
        finalBytes_.assign(last, last + written);
    }
    const std::size_t n = finalBytes_.size();
    if (n > dataOutAvailable || (n > 0 && !dataOut)) {
        if (dataOutMoved) *dataOutMoved = n;
        return kCCBufferTooSmall;
    }
    finished_ = true;
    if (n > 0) std::memcpy(dataOut, finalBytes_.data(), n);
    if (dataOutMoved) *dataOutMoved = n;
    return kCCSuccess;
}

}  // namespace cc
