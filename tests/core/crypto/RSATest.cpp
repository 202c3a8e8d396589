// Wrapping session keys with the embedded public key; the test key pair's
// private half (through OpenSSL directly) plays the router.
#include <gtest/gtest.h>

#include <openssl/evp.h>
#include <openssl/rsa.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "core/crypto/DataBase64Additions.h"
#include "core/crypto/RSABlocks.h"
#include "core/crypto/RandomPrintableBytes.h"
#include "core/crypto/RouterPublicKey.h"
#include "core/crypto/StringAddition.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "core/crypto/TAVOEncryptUtility.h"
#include "platform/foundation/Log.h"
#include "tests/core/crypto/RouterPrivateKey.h"

using keelbox::test::loadRouterPrivateKey;
using keelbox::test::privateDecrypt;

namespace {

// Silences the key-reading warnings of the failure cases and counts them.
class CapturedWarnings {
public:
    CapturedWarnings() {
        previous_ = ns::setLogSink([this](const std::string& line) { lines.push_back(line); });
    }
    ~CapturedWarnings() { ns::setLogSink(previous_); }
    std::vector<std::string> lines;

private:
    ns::LogSink previous_;
};

}  // namespace

TEST(RSATest, EmbeddedKeyIsA1024BitPublicKeyBlock) {
    const std::string pem = routerPublicKeyPEM();
    ASSERT_EQ(pem.size(), 272u);
    EXPECT_EQ(pem.rfind("-----BEGIN PUBLIC KEY-----\n", 0), 0u);
    RSAKey key = createRSAFromPEM(pem, kRSAPublicKey);
    ASSERT_TRUE(key);
    EXPECT_EQ(EVP_PKEY_get_bits(key.get()), 1024);
}

TEST(RSATest, RouterRecoversAWrappedSessionKey) {
    auto privateKey = loadRouterPrivateKey();
    ASSERT_TRUE(privateKey) << keelbox::test::routerPrivateKeyPath();
    const ns::Data sessionKey = randomPrintableBytes(16, 60, 65);

    for (const auto& wrapped : {TAVOEncryptUtility::TAVOEncode(sessionKey),
                                TAVOCommonUtility::encode_string_rsa(sessionKey, routerPublicKeyPEM())}) {
        ASSERT_TRUE(wrapped);
        ASSERT_EQ(wrapped->length(), 128u);
        const std::string text = encodeBase64ForData(*wrapped);
        EXPECT_EQ(text.size(), 172u);
        EXPECT_EQ(text.back(), '=');
        // What travels is the URL-encoded text; the router undoes both steps.
        const auto received = KXBase64DecodeToData(*URLDecode(URLEncode(text)));
        ASSERT_TRUE(received);
        EXPECT_EQ(privateDecrypt(privateKey.get(), received->bytes(), received->length()), sessionKey.vector());
    }
    // PKCS#1 v1.5 is randomised: the same key never wraps the same way twice.
    EXPECT_NE(TAVOEncryptUtility::TAVOEncode(sessionKey), TAVOEncryptUtility::TAVOEncode(sessionKey));
}

TEST(RSATest, InputIsCutIntoBlocksOf117Bytes) {
    auto privateKey = loadRouterPrivateKey();
    ASSERT_TRUE(privateKey);
    for (std::size_t length : {1u, 117u, 118u, 300u}) {
        ns::Data plain = randomPrintableBytes(length, 94, 32);
        const auto wrapped = TAVOEncryptUtility::TAVOEncode(plain);
        ASSERT_TRUE(wrapped) << length;
        const std::size_t blocks = (length + 116) / 117;
        ASSERT_EQ(wrapped->length(), blocks * 128) << length;
        std::vector<std::uint8_t> recovered;
        for (std::size_t b = 0; b < blocks; ++b) {
            auto piece = privateDecrypt(privateKey.get(), wrapped->bytes() + b * 128, 128);
            recovered.insert(recovered.end(), piece.begin(), piece.end());
        }
        EXPECT_EQ(recovered, plain.vector()) << length;
    }
}

TEST(RSATest, NothingToWrapOrNoUsableKeyGivesNothing) {
    CapturedWarnings warnings;
    const std::string pem = routerPublicKeyPEM();
    std::ifstream privateFile(keelbox::test::routerPrivateKeyPath());
    const std::string privatePem((std::istreambuf_iterator<char>(privateFile)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(privatePem.empty());
    const ns::Data sessionKey = randomPrintableBytes(16, 60, 65);

    EXPECT_EQ(TAVOEncryptUtility::TAVOEncode(ns::Data()), std::nullopt);
    EXPECT_EQ(TAVOCommonUtility::encode_string_rsa(ns::Data(), pem), std::nullopt);
    EXPECT_EQ(TAVOCommonUtility::encode_string_rsa(sessionKey, ""), std::nullopt);
    EXPECT_TRUE(warnings.lines.empty());
    EXPECT_EQ(TAVOCommonUtility::encode_string_rsa(sessionKey, "not a key"), std::nullopt);
    EXPECT_EQ(TAVOCommonUtility::encode_string_rsa(sessionKey, pem.substr(0, 150)), std::nullopt);
    // A private key is not read as a public key.
    EXPECT_EQ(TAVOCommonUtility::encode_string_rsa(sessionKey, privatePem), std::nullopt);
    EXPECT_FALSE(warnings.lines.empty());
    EXPECT_TRUE(createRSAFromPEM(privatePem, kRSAPrivateKey));
    EXPECT_FALSE(createRSAFromPEM(pem, kRSACertificate));
}

TEST(RSATest, KeyTextOfAnyLengthIsRead) {
    // Text before the PEM block is skipped by the reader; a long preamble
    // once overflowed a fixed 2048-byte copy of the key text.
    const std::string longText = std::string(3000, '#') + "\n" + routerPublicKeyPEM();
    const auto wrapped = TAVOCommonUtility::encode_string_rsa(ns::Data::fromString("0123456789abcdef"), longText);
    ASSERT_TRUE(wrapped);
    EXPECT_EQ(wrapped->length(), 128u);
}

TEST(RSATest, ConcurrentWrapsShareNoKeyObject) {
    auto privateKey = loadRouterPrivateKey();
    ASSERT_TRUE(privateKey);
    std::atomic<int> good{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 8; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 20; ++i) {
                const ns::Data key = randomPrintableBytes(16, 60, 65);
                const auto wrapped = i % 2 ? TAVOEncryptUtility::TAVOEncode(key)
                                           : TAVOCommonUtility::encode_string_rsa(key, routerPublicKeyPEM());
                if (wrapped && privateDecrypt(privateKey.get(), wrapped->bytes(), wrapped->length()) == key.vector())
                    ++good;
            }
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(good.load(), 160);
}

TEST(RSATest, DecodeRecoversWhatThePrivateKeyEncrypted) {
    auto privateKey = loadRouterPrivateKey();
    ASSERT_TRUE(privateKey);
    // The private-key side of the pair: PKCS#1 v1.5 type-1 padding, no digest.
    std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)> ctx(EVP_PKEY_CTX_new(privateKey.get(), nullptr),
                                                                    EVP_PKEY_CTX_free);
    const std::string message = "router says hello";
    std::vector<std::uint8_t> cipher(128);
    std::size_t written = cipher.size();
    ASSERT_EQ(EVP_PKEY_sign_init(ctx.get()), 1);
    ASSERT_EQ(EVP_PKEY_CTX_set_rsa_padding(ctx.get(), RSA_PKCS1_PADDING), 1);
    ASSERT_EQ(EVP_PKEY_sign(ctx.get(), cipher.data(), &written, reinterpret_cast<const unsigned char*>(message.data()),
                            message.size()),
              1);
    // The cipher text arrives as a text whose last byte is not part of it.
    const std::string cipherText = std::string(cipher.begin(), cipher.end()) + "\n";
    EXPECT_EQ(TAVOEncryptUtility::TAVORSADecode(cipherText), message);
    EXPECT_EQ(TAVOCommonUtility::decode_string_rsa(cipherText, routerPublicKeyPEM()), message);
    std::string corrupt = cipherText;
    corrupt[5] ^= 0x40;
    EXPECT_EQ(TAVOEncryptUtility::TAVORSADecode(corrupt), std::nullopt);
}

TEST(RandomPrintableBytesTest, RangesAndFreshness) {
    struct Case {
        std::uint32_t modulus;
        std::uint8_t offset, low, high;
    };
    for (const auto& c : {Case{94, 32, 32, 125}, Case{60, 65, 65, 124}}) {
        const ns::Data bytes = randomPrintableBytes(2000, c.modulus, c.offset);
        ASSERT_EQ(bytes.length(), 2000u);
        std::uint8_t lo = 255, hi = 0;
        for (auto b : bytes.vector()) {
            lo = std::min(lo, b);
            hi = std::max(hi, b);
        }
        EXPECT_EQ(lo, c.low);  // 2000 draws reach both ends of the range
        EXPECT_EQ(hi, c.high);
    }
    EXPECT_EQ(randomPrintableBytes(0, 94, 32), ns::Data());
    EXPECT_NE(randomPrintableBytes(16, 60, 65), randomPrintableBytes(16, 60, 65));
}
