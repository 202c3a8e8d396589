// The router's side of the encrypted local channel: form decoding, Base64,
// AES-128-CBC (zero IV, PKCS#7) and unwrapping session keys with the
// emulator's RSA private key (emulator/keys/router_private_key.pem).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace emulator {

class RouterChannelCrypto {
public:
    // "a=1&b=2" into its pairs, each key and value percent-decoded once;
    // pieces that do not decode are dropped.
    static std::vector<std::pair<std::string, std::string>> decodeForm(const std::string& body);
    static std::string base64Encode(const std::string& bytes);
    // Strict: nothing for text that is not Base64.
    static std::optional<std::string> base64Decode(const std::string& text);
    static std::optional<std::string> aesEncrypt(const std::string& plain, const std::string& key);
    static std::optional<std::string> aesDecrypt(const std::string& cipher, const std::string& key);
    // The session key inside an RSA PKCS#1 v1.5 block.
    static std::optional<std::string> unwrapSessionKey(const std::string& block);
};

}  // namespace emulator
