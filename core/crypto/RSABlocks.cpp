#include "core/crypto/RSABlocks.h"

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

#include "core/crypto/TextBytes.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/StringEncoding.h"

namespace {

struct BioFree {
    void operator()(BIO* bio) const { BIO_free(bio); }
};
struct CtxFree {
    void operator()(EVP_PKEY_CTX* ctx) const { EVP_PKEY_CTX_free(ctx); }
};
using PKeyCtx = std::unique_ptr<EVP_PKEY_CTX, CtxFree>;

// Passes OpenSSL's queued reasons to the warning sink and empties the queue.
void logOpenSSLErrors() {
    ERR_print_errors_cb(
        [](const char* line, std::size_t length, void*) {
            ns::logWarning(std::string(line, length));
            return 1;
        },
        nullptr);
}

constexpr std::size_t kPKCS1Overhead = 11;

}  // namespace

RSAKey createRSAFromPEM(std::string_view keyText, RSAKeyKind kind) {
    std::unique_ptr<BIO, BioFree> bio(BIO_new_mem_buf(keyText.data(), static_cast<int>(keyText.size())));
    if (!bio) return nullptr;
    EVP_PKEY* key = nullptr;
    switch (kind) {
    case kRSAPrivateKey: key = PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr); break;
    case kRSAPublicKey: key = PEM_read_bio_PUBKEY(bio.get(), nullptr, nullptr, nullptr); break;
    case kRSACertificate: {
        X509* certificate = PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr);
        if (!certificate) {
            ns::logWarning("Error reading x509 bio");
            logOpenSSLErrors();
            return nullptr;
        }
        key = X509_get_pubkey(certificate);
        X509_free(certificate);
        break;
    }
    }
    RSAKey rsa(key);
    if (rsa && !EVP_PKEY_is_a(rsa.get(), "RSA")) rsa.reset();
    if (!rsa) {
        ns::logWarning("Error reading the " + std::to_string(kind) + " key");
        logOpenSSLErrors();
    }
    return rsa;
}

bool rsaEncryptBlocks(EVP_PKEY* key, const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& result) {
    result.clear();
    const int size = EVP_PKEY_get_size(key);
    if (size <= static_cast<int>(kPKCS1Overhead)) return false;
    const auto k = static_cast<std::size_t>(size);
    const std::size_t maxPlain = k - kPKCS1Overhead;
    PKeyCtx ctx(EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr));
    if (!ctx || EVP_PKEY_encrypt_init(ctx.get()) != 1 ||
        EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1)
        return false;
    const std::size_t blocks = (length + maxPlain - 1) / maxPlain;
    result.resize(blocks * k);
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t offset = b * maxPlain;
        const std::size_t n = std::min(maxPlain, length - offset);
        std::size_t written = k;
        if (EVP_PKEY_encrypt(ctx.get(), result.data() + b * k, &written, data + offset, n) != 1 || written != k) {
            result.clear();
            return false;
        }
    }
    return true;
}

bool rsaDecryptBlocks(EVP_PKEY* key, const std::uint8_t* data, std::size_t length, std::vector<std::uint8_t>& result) {
    result.clear();
    const int size = EVP_PKEY_get_size(key);
    if (size <= 0) return false;
    const auto k = static_cast<std::size_t>(size);
    PKeyCtx ctx(EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr));
    if (!ctx || EVP_PKEY_verify_recover_init(ctx.get()) != 1 ||
        EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1)
        return false;
    std::vector<std::uint8_t> piece(k);
    for (std::size_t offset = 0; offset < length; offset += k) {
        const std::size_t n = std::min(k, length - offset);
        std::size_t written = piece.size();
        if (EVP_PKEY_verify_recover(ctx.get(), piece.data(), &written, data + offset, n) != 1 || written == 0) {
            ERR_clear_error();
            result.clear();
            return false;
        }
        result.insert(result.end(), piece.begin(), piece.begin() + static_cast<long>(written));
    }
    return true;
}

namespace {

RSAKey readPublicKey(std::string_view keyText) {
    RSAKey key = createRSAFromPEM(keyText, kRSAPublicKey);
    if (!key) key = createRSAFromPEM(keyText, kRSAPublicKey);
    return key;
}

}  // namespace

std::optional<ns::Data> rsaEncryptWithPublicKeyText(const ns::Data& data, std::string_view keyText) {
    if (data.empty() || keyText.empty()) return std::nullopt;
    RSAKey key = readPublicKey(keyText);
    if (!key) return std::nullopt;
    std::vector<std::uint8_t> cipher;
    if (!rsaEncryptBlocks(key.get(), data.bytes(), data.length(), cipher)) {
        logOpenSSLErrors();
        return std::nullopt;
    }
    return ns::Data(std::move(cipher));
}

std::optional<std::string> rsaDecryptWithPublicKeyText(const std::string& cipherText, std::string_view keyText) {
    if (cipherText.empty() || keyText.empty()) return std::nullopt;
    RSAKey key = readPublicKey(keyText);
    if (!key) return std::nullopt;
    std::vector<std::uint8_t> plain;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(cipherText.data());
    if (!rsaDecryptBlocks(key.get(), bytes, cipherText.size() - 1, plain)) return std::nullopt;
    const std::string recovered(plain.begin(), plain.end());
    return ns::str::fromBytes(textbytes::upToFirstZero(recovered), ns::kASCIIStringEncoding);
}
