#include "emulator/RouterChannelCrypto.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cstdio>
#include <memory>
#include <mutex>

#include "emulator/TestPKI.h"
#include "platform/crypto/Crypt.h"
#include "platform/foundation/PercentEscaping.h"

namespace emulator {

namespace {

struct PKeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};

EVP_PKEY* routerPrivateKey() {
    static std::once_flag once;
    static std::unique_ptr<EVP_PKEY, PKeyFree> key;
    std::call_once(once, [] {
        // The keys folder sits beside the PKI folder in emulator/.
        const std::string path = TestPKI::directory() + "/../keys/router_private_key.pem";
        if (FILE* f = std::fopen(path.c_str(), "r")) {
            key.reset(PEM_read_PrivateKey(f, nullptr, nullptr, nullptr));
            std::fclose(f);
        }
    });
    return key.get();
}

std::optional<std::string> aes(cc::Operation op, const std::string& input, const std::string& key) {
    if (key.size() != cc::kCCKeySizeAES128) return std::nullopt;
    std::string out(input.size() + 32, '\0');
    std::size_t moved = 0;
    if (cc::crypt(op, cc::kCCAlgorithmAES, cc::kCCOptionPKCS7Padding, key.data(), key.size(), nullptr, input.data(),
                  input.size(), out.data(), out.size(), &moved) != cc::kCCSuccess)
        return std::nullopt;
    out.resize(moved);
    return out;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> RouterChannelCrypto::decodeForm(const std::string& body) {
    std::vector<std::pair<std::string, std::string>> pairs;
    std::size_t start = 0;
    while (start <= body.size()) {
        std::size_t end = body.find('&', start);
        if (end == std::string::npos) end = body.size();
        const std::string piece = body.substr(start, end - start);
        if (!piece.empty()) {
            const std::size_t eq = piece.find('=');
            auto key = ns::str::removingPercentEncoding(piece.substr(0, eq));
            auto value = ns::str::removingPercentEncoding(eq == std::string::npos ? "" : piece.substr(eq + 1));
            if (key && value) pairs.emplace_back(*key, *value);
        }
        start = end + 1;
    }
    return pairs;
}

std::string RouterChannelCrypto::base64Encode(const std::string& bytes) {
    std::string out(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::optional<std::string> RouterChannelCrypto::base64Decode(const std::string& text) {
    if (text.empty() || text.size() % 4 != 0) return std::nullopt;
    for (char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '/' || c == '=')) return std::nullopt;
    std::string out(text.size() / 4 * 3, '\0');
    const int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    if (n < 0) return std::nullopt;
    std::size_t length = static_cast<std::size_t>(n);
    if (text.size() >= 1 && text[text.size() - 1] == '=') --length;
    if (text.size() >= 2 && text[text.size() - 2] == '=') --length;
    out.resize(length);
    return out;
}

std::optional<std::string> RouterChannelCrypto::aesEncrypt(const std::string& plain, const std::string& key) {
    return aes(cc::kCCEncrypt, plain, key);
}

std::optional<std::string> RouterChannelCrypto::aesDecrypt(const std::string& cipher, const std::string& key) {
    return aes(cc::kCCDecrypt, cipher, key);
}

std::optional<std::string> RouterChannelCrypto::unwrapSessionKey(const std::string& block) {
    EVP_PKEY* key = routerPrivateKey();
    if (!key) return std::nullopt;
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(key, nullptr), EVP_PKEY_CTX_free);
    std::string out(static_cast<std::size_t>(EVP_PKEY_get_size(key)), '\0');
    std::size_t written = out.size();
    if (!ctx || EVP_PKEY_decrypt_init(ctx.get()) != 1 || EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING) != 1 ||
        EVP_PKEY_decrypt(ctx.get(), reinterpret_cast<unsigned char*>(out.data()), &written,
                         reinterpret_cast<const unsigned char*>(block.data()), block.size()) != 1)
        return std::nullopt;
    out.resize(written);
    return out;
}

}  // namespace emulator
