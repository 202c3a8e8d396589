// The account service's side of its wire format: a GET whose "parad"
// parameter is the Base64 of a DES-CBC cipher text (the 8-byte key also
// serving as IV) of "name=value&...&sig=<md5>", values percent-encoded, the
// signature the lower-case MD5 of the raw pairs in sorted order followed by
// the signing key.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace emulator {

using WireParams = std::vector<std::pair<std::string, std::string>>;

// Lower-case hexadecimal MD5 of the bytes.
std::string md5Hex(const std::string& bytes);

struct DecodedParad {
    WireParams params;  // decoded values, in the order sent, without "sig"
    std::string sig;
    std::string plainText;  // the decrypted query text, as the client wrote it
};

// Decodes a "parad" value (already URL-decoded once); nullopt when it is not
// Base64, does not decrypt, or holds no query text.
std::optional<DecodedParad> decodeParad(const std::string& parad, const std::string& desKey);
// Whether the signature matches the parameters and the key.
bool signatureMatches(const DecodedParad& decoded, const std::string& sigKey);
// The first value of a parameter ("" when absent).
std::string paramValue(const WireParams& params, const std::string& name);

}  // namespace emulator
