// The cipher, digest and HMAC helpers. Known answers recorded once with
// `openssl enc -<cipher> -K <hex of the normalised key> -iv ..` and
// `openssl dgst`.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/crypto/DataBase64Additions.h"
#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/DataCommonDigest.h"
#include "core/crypto/DataCommonHMAC.h"
#include "core/crypto/DataLowLevelCommonCryptor.h"
#include "core/crypto/ErrorCommonCryptoErrorDomain.h"
#include "platform/crypto/Crypt.h"

namespace {

const ns::Data kFox = ns::Data::fromString("The quick brown fox jumps over the lazy dog");

std::string hexOf(const std::optional<ns::Data>& d) { return d ? d->hexString() : "(nil)"; }

}  // namespace

TEST(CipherTest, AESWithATextSessionKey) {
    // A 16-character key selects AES-128; CBC, zero IV, PKCS#7.
    const std::string key = "0123456789abcdef";
    const auto cipher = KXAES256EncryptedDataUsingKey(kFox, key);
    ASSERT_TRUE(cipher);
    EXPECT_EQ(encodeBase64ForData(*cipher), "COrscqJ3XopBLpJzH0pKLq8hKG6r8AIx4/ODbadt8rdkaRKCmJ+SwkPOsWQ2PAlw");
    EXPECT_EQ(KXDecryptedAES256DataUsingKey(*cipher, ns::Data::fromString(key)), kFox);

    const auto empty = KXAES256EncryptedDataUsingKey(ns::Data(), key);
    EXPECT_EQ(hexOf(empty), "377222e061a924c591cd9c27ea163ed4");  // one padding block
    EXPECT_EQ(KXDecryptedAES256DataUsingKey(*empty, key), ns::Data());
    EXPECT_EQ(KXAES256EncryptedDataUsingKey(ns::Data::withLength(16), key)->length(), 32u);
}

TEST(CipherTest, KeysArePaddedOrCutToTheAlgorithmsLength) {
    struct Case {
        const char* what;
        cc::Algorithm alg;
        cc::Options options;
        std::string key;
        std::string cipherHex;
    };
    const Case cases[] = {
        {"AES key of 20 bytes -> 24 (AES-192)", cc::kCCAlgorithmAES, 1, "01234567890123456789",
         "1c94a1d1ec8e100c88e1c8b379f9f0a5ae42e3d50104db36c9e82404df40ff07ce4e64b9848ad85ebb58b48bf1659f19"},
        {"AES key of 40 bytes -> 32 (AES-256)", cc::kCCAlgorithmAES, 1, "0123456789012345678901234567890123456789",
         "36c14994641271411ace6484ca455e3bf961fa8d8be7290577686435ae6556b1c00b029f4e0d690ffb98ce34df8e640e"},
        {"DES key of 6 bytes -> 8", cc::kCCAlgorithmDES, 3, "abcdef",
         "a475df33712880dca890246e6ebe7507c3a6dd8f65496ecb04344f93a6c0e507d055322a3f749930b6f1a9cd01f935d4"},
        {"DES key of 10 bytes -> 8", cc::kCCAlgorithmDES, 3, "abcdefghij",
         "90600bf430d35242dcb796e7f64f8913ce19a998866e5db0338c3f30731525bdd90a463fda8e4361feec3551e752cce7"},
    };
    for (const auto& c : cases) {
        cc::CryptorStatus status = -1;
        const auto cipher = KXDataEncryptedUsingAlgorithmKeyOptionsError(kFox, c.alg, c.key, c.options, &status);
        EXPECT_EQ(status, cc::kCCSuccess) << c.what;
        EXPECT_EQ(hexOf(cipher), c.cipherHex) << c.what;
        EXPECT_EQ(KXDecryptedDataUsingAlgorithmKeyOptionsError(*cipher, c.alg, c.key, c.options), kFox) << c.what;
    }
}

TEST(CipherTest, DESConveniencesAndTheAccountServiceForm) {
    // ECB ignores the IV, so the key-and-IV form and the key form read each
    // other's output.
    const auto stored = KXDESEncryptedDataUsingKeyAndIV(kFox, "vL!9k#Tb");
    EXPECT_EQ(hexOf(stored),
              "2a61043ae5e6160aebdae9a29a3a6bc55a84a30b82c117781d8cb9d3b7253651aa5115503ab64e0cbeaa4129b73421e4");
    EXPECT_EQ(KXDecryptedDESDataUsingKey(*stored, "vL!9k#Tb"), kFox);
    EXPECT_EQ(KXDESEncryptedDataUsingKey(kFox, "vL!9k#Tb"), stored);
    EXPECT_EQ(KXDecryptedDESDataUsingKeyAndIV(*stored, "vL!9k#Tb"), kFox);

    // The account-service client: DES-CBC, PKCS#7, the key also as IV.
    const auto account = KXDataEncryptedUsingAlgorithmKeyInitializationVectorOptionsError(
        kFox, cc::kCCAlgorithmDES, "k3y!Pa55", CipherKey("k3y!Pa55"), cc::kCCOptionPKCS7Padding);
    EXPECT_EQ(hexOf(account),
              "005beb1a29edd47cb428521c80bbe60a23fe9fcaf3a4a915ba42c61e50b754a9c3147a0ded3b63980841eab9d30bd9ae");
}

TEST(CipherTest, CASTConvenienceAndShortIV) {
    const auto cipher = KXCASTEncryptedDataUsingKey(kFox, "0123456789abcdef");
    EXPECT_EQ(hexOf(cipher),
              "b3765a864a77367de6e5cc73742faf3781d3b09f9db615b648f22133ce4834e1da50205d96d26d2fb8c9b5ccaadcf542");
    EXPECT_EQ(KXDecryptedCASTDataUsingKey(*cipher, "0123456789abcdef"), kFox);

    // A 5-byte CAST key makes a 5-byte IV; the cipher reads a whole 8-byte
    // block of IV, which must be the IV zero-padded, not what lies beyond it.
    const auto shortIV = KXDataEncryptedUsingAlgorithmKeyInitializationVectorOptionsError(
        kFox, cc::kCCAlgorithmCAST, "abcde", CipherKey("abcde"), cc::kCCOptionPKCS7Padding);
    ASSERT_TRUE(shortIV);
    const std::string iv8("abcde\0\0\0", 8);
    std::vector<std::uint8_t> out(64);
    std::size_t moved = 0;
    ASSERT_EQ(cc::crypt(cc::kCCEncrypt, cc::kCCAlgorithmCAST, cc::kCCOptionPKCS7Padding, "abcde", 5, iv8.data(),
                        kFox.bytes(), kFox.length(), out.data(), out.size(), &moved),
              cc::kCCSuccess);
    out.resize(moved);
    EXPECT_EQ(*shortIV, ns::Data(out));
}

TEST(CipherTest, CorruptInputFailsWithAStatusOrErrorRecord) {
    const std::string key = "0123456789abcdef";
    const ns::Data good = *KXAES256EncryptedDataUsingKey(kFox, key);
    ns::Data flipped = good;
    flipped.mutableBytes()[good.length() - 1] ^= 0x01;
    struct Case {
        const char* what;
        ns::Data input;
        cc::CryptorStatus status;
    };
    const Case cases[] = {
        {"last byte flipped (bad padding)", flipped, cc::kCCDecodeError},
        {"cut to a non-multiple of the block", good.subdata(0, good.length() - 3), cc::kCCAlignmentError},
        {"nothing to decrypt", ns::Data(), cc::kCCDecodeError},
        {"plain text that is not cipher text", ns::Data::fromString("not Base64, not cipher text"),
         cc::kCCAlignmentError},
    };
    for (const auto& c : cases) {
        ns::ErrorPtr error;
        EXPECT_EQ(KXDecryptedAES256DataUsingKey(c.input, key, &error), std::nullopt) << c.what;
        ASSERT_TRUE(error) << c.what;
        EXPECT_EQ(error->domain(), "CommonCryptoErrorDomain") << c.what;
        EXPECT_EQ(error->code(), c.status) << c.what;
        cc::CryptorStatus status = 0;
        EXPECT_EQ(KXDecryptedDataUsingAlgorithmKeyOptionsError(c.input, cc::kCCAlgorithmAES, key, 1, &status),
                  std::nullopt);
        EXPECT_EQ(status, c.status) << c.what;
    }
    cc::CryptorStatus status = 0;
    EXPECT_EQ(KXDataEncryptedUsingAlgorithmKeyError(kFox, 9, "key", &status), std::nullopt);
    EXPECT_EQ(status, cc::kCCParamError);
}

TEST(CipherTest, ErrorRecordTexts) {
    struct Case {
        cc::CryptorStatus status;
        std::string description, reason;
    };
    const Case cases[] = {
        {0, "Success", ""},
        {-4300, "Parameter Error", "Illegal parameter supplied to encryption/decryption algorithm"},
        {-4301, "Buffer Too Small", "Insufficient buffer provided for specified operation"},
        {-4302, "Memory Failure", "Failed to allocate memory"},
        {-4303, "Alignment Error", "Input size to encryption algorithm was not aligned correctly"},
        {-4304, "Decode Error", "Input data did not decode or decrypt correctly"},
        {-4305, "Unimplemented Function", "Function not implemented for the current algorithm"},
        {5, "Unknown Error", ""},
    };
    for (const auto& c : cases) {
        const auto error = KXErrorWithCCCryptorStatus(c.status);
        EXPECT_EQ(error->domain(), kCommonCryptoErrorDomain);
        EXPECT_EQ(error->code(), c.status);
        EXPECT_EQ(error->localizedDescription(), c.description);
        EXPECT_EQ(error->userInfo().contains(ns::kLocalizedFailureReasonErrorKey), !c.reason.empty()) << c.status;
        if (!c.reason.empty()) {
            EXPECT_EQ(error->localizedFailureReason(), c.reason);
        }
    }
}

TEST(CipherTest, DigestHelpers) {
    const ns::Data abc = ns::Data::fromString("abc");
    const std::pair<ns::Data (*)(const ns::Data&), std::string> cases[] = {
        {KXMD2Sum, "da853b0d3f88d99b30283a69e6ded6bb"},
        {KXMD4Sum, "a448017aaf21d8525fc10ae87aa6729d"},
        {KXMD5Sum, "900150983cd24fb0d6963f7d28e17f72"},
        {KXSHA1Hash, "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {KXSHA224Hash, "23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7"},
        {KXSHA256Hash, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {KXSHA384Hash,
         "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7"},
        {KXSHA512Hash,
         "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"},
    };
    for (const auto& [fn, hex] : cases) EXPECT_EQ(fn(abc).hexString(), hex);
}

TEST(CipherTest, HMACResultsAreAsLongAsTheAlgorithmsOutput) {
    // SHA-256 and SHA-512 come back whole (32 and 64 bytes), not cut to a
    // 20-byte area.
    const std::pair<cc::HmacAlgorithm, std::string> cases[] = {
        {cc::kCCHmacAlgSHA1, "de7c9b85b8b78aa6bc8a7a36f70a90701c9db4d9"},
        {cc::kCCHmacAlgMD5, "80070713463e7749b90c2dc24911e275"},
        {cc::kCCHmacAlgSHA256, "f7bc83f430538424b13298e6aa6fb143ef4d59a14946175997479dbc2d1a3cd8"},
        {cc::kCCHmacAlgSHA512,
         "b42af09057bac1e2d41708e48a902e09b5ff7f12ab428a4fe86653c73dd248fb82f948a549f7b791a5b41915ee4d1ec3935357e4e2317250d0372afa2ebeeb3a"},
    };
    for (const auto& [alg, hex] : cases) {
        EXPECT_EQ(KXHMACWithAlgorithmKey(kFox, alg, CipherKey("key")).hexString(), hex) << alg;
        EXPECT_EQ(KXHMACWithAlgorithmKey(kFox, alg, CipherKey(ns::Data::fromString("key"))).hexString(), hex) << alg;
    }
    EXPECT_EQ(KXHMACWithAlgorithm(kFox, cc::kCCHmacAlgSHA1).hexString(), "2ba7f707ad5f187c412de3106583c3111d668de8");
    EXPECT_EQ(KXHMACWithAlgorithm(kFox, 42), ns::Data());
}
