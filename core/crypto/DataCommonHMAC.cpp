#include "core/crypto/DataCommonHMAC.h"

ns::Data KXHMACWithAlgorithmKey(const ns::Data& data, cc::HmacAlgorithm alg, const std::optional<CipherKey>& key) {
    // The result area is as long as the algorithm's real output, so every
    // HMAC the service offers comes back whole.
    ns::Data mac = ns::Data::withLength(cc::hmacLength(alg));
    if (mac.empty()) return mac;
    const ns::Data keyBytes = key ? key->bytes() : ns::Data();
    if (!cc::hmac(alg, keyBytes.bytes(), keyBytes.length(), data.bytes(), data.length(), mac.mutableBytes()))
        return ns::Data();
    return mac;
}

ns::Data KXHMACWithAlgorithm(const ns::Data& data, cc::HmacAlgorithm alg) {
    return KXHMACWithAlgorithmKey(data, alg, std::nullopt);
}
