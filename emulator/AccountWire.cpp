#include "emulator/AccountWire.h"

#include <openssl/evp.h>

#include <algorithm>
#include <cstdio>

#include "platform/crypto/Crypt.h"
#include "platform/crypto/Digest.h"
#include "platform/foundation/PercentEscaping.h"

namespace emulator {
namespace {

std::optional<std::string> base64Decode(const std::string& text) {
    if (text.empty() || text.size() % 4 != 0) return std::nullopt;
    std::string out(text.size() / 4 * 3, '\0');
    int n = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                            reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    if (n < 0) return std::nullopt;
    std::size_t padding = (text.end()[-1] == '=') + (text.end()[-2] == '=');
    out.resize(static_cast<std::size_t>(n) - padding);
    return out;
}

std::optional<std::string> desCbcDecrypt(const std::string& cipher, const std::string& key) {
    std::string k = key;
    k.resize(8, '\0');
    std::string out(cipher.size() + 8, '\0');
    std::size_t moved = 0;
    auto status = cc::crypt(cc::kCCDecrypt, cc::kCCAlgorithmDES, cc::kCCOptionPKCS7Padding, k.data(), 8, k.data(),
                            cipher.data(), cipher.size(), out.data(), out.size(), &moved);
    if (status != cc::kCCSuccess) return std::nullopt;
    out.resize(moved);
    return out;
}

}  // namespace

std::string md5Hex(const std::string& bytes) {
    unsigned char md[cc::kCCMD5DigestLength];
    cc::digest(cc::DigestAlgorithm::MD5, bytes.data(), bytes.size(), md);
    std::string hex;
    char two[3];
    for (unsigned char b : md) {
        std::snprintf(two, sizeof two, "%02x", b);
        hex += two;
    }
    return hex;
}

std::optional<DecodedParad> decodeParad(const std::string& parad, const std::string& desKey) {
    auto cipher = base64Decode(parad);
    if (!cipher) return std::nullopt;
    auto plain = desCbcDecrypt(*cipher, desKey);
    if (!plain || plain->empty()) return std::nullopt;
    DecodedParad decoded;
    decoded.plainText = *plain;
    std::size_t start = 0;
    while (start <= plain->size()) {
        std::size_t end = plain->find('&', start);
        if (end == std::string::npos) end = plain->size();
        std::string pair = plain->substr(start, end - start);
        std::size_t eq = pair.find('=');
        if (eq != std::string::npos) {
            std::string name = pair.substr(0, eq);
            std::string value = ns::str::removingPercentEncoding(pair.substr(eq + 1)).value_or(pair.substr(eq + 1));
            if (name == "sig") {
                decoded.sig = value;
            } else {
                decoded.params.emplace_back(name, value);
            }
        }
        start = end + 1;
    }
    if (decoded.params.empty()) return std::nullopt;
    return decoded;
}

bool signatureMatches(const DecodedParad& decoded, const std::string& sigKey) {
    WireParams sorted = decoded.params;
    std::sort(sorted.begin(), sorted.end());
    std::string signing;
    for (const auto& [name, value] : sorted) signing += name + "=" + value;
    return !decoded.sig.empty() && md5Hex(signing + sigKey) == decoded.sig;
}

std::string paramValue(const WireParams& params, const std::string& name) {
    for (const auto& [n, v] : params) {
        if (n == name) return v;
    }
    return {};
}

}  // namespace emulator
