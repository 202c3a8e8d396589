// Known answers recorded once with `openssl enc -<cipher> -K .. -iv ..`
// (legacy ciphers with `-provider legacy -provider default`).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/crypto/Crypt.h"
#include "platform/crypto/Cryptor.h"
#include "platform/crypto/Random.h"
#include "tests/platform/crypto/HexBytes.h"

using namespace cc;
using keelbox::test::bytesOf;
using keelbox::test::fromHex;
using keelbox::test::toHex;

namespace {

const std::string kFox = "The quick brown fox jumps over the lazy dog";  // 43 bytes
const std::string kKey16 = "000102030405060708090a0b0c0d0e0f";

struct Outcome {
    CryptorStatus status;
    std::vector<std::uint8_t> bytes;
};

Outcome runCrypt(Operation op, Algorithm alg, Options options, const std::vector<std::uint8_t>& key,
                 const std::vector<std::uint8_t>* iv, const std::vector<std::uint8_t>& in) {
    std::vector<std::uint8_t> out(in.size() + 64);
    std::size_t moved = 0;
    CryptorStatus s = crypt(op, alg, options, key.data(), key.size(), iv ? iv->data() : nullptr, in.data(),
                            in.size(), out.data(), out.size(), &moved);
    out.resize(s == kCCSuccess ? moved : 0);
    return {s, out};
}

}  // namespace

TEST(CryptorTest, KnownAnswersAndRoundTrip) {
    struct Case {
        const char* what;
        Algorithm alg;
        Options options;
        std::string keyHex;
        std::string cipherHex;
    };
    const Case cases[] = {
        {"AES-128-CBC", kCCAlgorithmAES, kCCOptionPKCS7Padding, kKey16,
         "f7021c01de43c8147cd2477a7eba55b3511a06c6faeaa028d2bda69a7a80c1d1e5457f52c217b621eb94725265386523"},
        {"AES-192-CBC", kCCAlgorithmAES, kCCOptionPKCS7Padding, "000102030405060708090a0b0c0d0e0f1011121314151617",
         "1b552b0889c43585651a0457afa907f0afed136a15d30d3984cd6ad447591426601340ee429a0a2cf304add4ca280fa4"},
        {"AES-256-CBC", kCCAlgorithmAES, kCCOptionPKCS7Padding,
         "000102030405060708090a0b0c0d0e0f101112131415161718191a1b1c1d1e1f",
         "bce46469e2f7ab6b7ea767bd3252529a843ba24e890e567ef600c4a6e1051ffc2012305e362438463838fad4043c22a6"},
        {"AES-128-ECB", kCCAlgorithmAES, kCCOptionPKCS7Padding | kCCOptionECBMode, kKey16,
         "f7021c01de43c8147cd2477a7eba55b3698dc29f6db0d5eda4eec682b3393abb021cf4d15412037af882263fd186b880"},
        {"DES-CBC", kCCAlgorithmDES, kCCOptionPKCS7Padding, "3132333435363738",
         "5e893386842560519bf8473b2d97f84f85847063882085be1bd4b51e2284abd2fed200b06cbc385656bb668833fb17dc"},
        {"DES-ECB", kCCAlgorithmDES, kCCOptionPKCS7Padding | kCCOptionECBMode, "3132333435363738",
         "5e8933868425605186ed97d336a76faf440632c145db8a12679bfebec3c33653c0f866c9da978063ab3adbddb377e315"},
        {"3DES-CBC", kCCAlgorithm3DES, kCCOptionPKCS7Padding, "000102030405060708090a0b0c0d0e0f1011121314151617",
         "1769dcad83ebde9314a87ed7d37f4f6733e3fba8933ec9688313326dbec610cf2d62771edb85141ab56ab81ed9284cb6"},
        {"CAST5-CBC", kCCAlgorithmCAST, kCCOptionPKCS7Padding, kKey16,
         "a030082e441f27a76f0b214a68a32b6083db30825286a1f7f91daa799d6165b801fc12b77a3c49ce7db5338114fe1054"},
        {"CAST5-ECB", kCCAlgorithmCAST, kCCOptionPKCS7Padding | kCCOptionECBMode, kKey16,
         "a030082e441f27a75777d214f67999f8815a15d03a319b4b6b326d8c2194b582bb0a8772be797bc533ac5a424e57fb66"},
        {"RC4", kCCAlgorithmRC4, 0, kKey16,
         "bdf425d9369770af6dfbf5b461aa446fb51ef97f98c22f9efcbecaaf9c45c376335f6b7351799b38e5385a"},
    };
    for (const auto& c : cases) {
        const auto key = fromHex(c.keyHex);
        Outcome enc = runCrypt(kCCEncrypt, c.alg, c.options, key, nullptr, bytesOf(kFox));
        ASSERT_EQ(enc.status, kCCSuccess) << c.what;
        EXPECT_EQ(toHex(enc.bytes), c.cipherHex) << c.what;
        Outcome dec = runCrypt(kCCDecrypt, c.alg, c.options, key, nullptr, fromHex(c.cipherHex));
        ASSERT_EQ(dec.status, kCCSuccess) << c.what;
        EXPECT_EQ(dec.bytes, bytesOf(kFox)) << c.what;
    }
}

TEST(CryptorTest, CASTTakesShortKeys) {
    // RFC 2144, B.1: the same block under 128-, 80- and 40-bit keys.
    const auto plain = fromHex("0123456789abcdef");
    struct Case {
        std::string keyHex, cipherHex;
    };
    const Case cases[] = {
        {"0123456712345678234567893456789a", "238b4fe5847e44b2"},
        {"01234567123456782345", "eb6a711a2c02271b"},
        {"0123456712", "7ac816d16e9b302e"},
    };
    for (const auto& c : cases) {
        Outcome enc = runCrypt(kCCEncrypt, kCCAlgorithmCAST, kCCOptionECBMode, fromHex(c.keyHex), nullptr, plain);
        ASSERT_EQ(enc.status, kCCSuccess) << c.keyHex;
        EXPECT_EQ(toHex(enc.bytes), c.cipherHex) << c.keyHex;
    }
}

TEST(CryptorTest, GivenIVWithoutPadding) {
    const auto iv = fromHex("0f0e0d0c0b0a09080706050403020100");
    Outcome enc = runCrypt(kCCEncrypt, kCCAlgorithmAES, 0, fromHex(kKey16), &iv,
                           bytesOf("0123456789abcdef0123456789abcdef"));
    ASSERT_EQ(enc.status, kCCSuccess);
    EXPECT_EQ(toHex(enc.bytes), "ff14dbe405cc0ee24d0de41289f0fc987cf26840fae8a8fa2f8f3d800ddc0c54");
}

TEST(CryptorTest, PiecewiseUpdatesMatchOneShot) {
    // Fed in uneven pieces, each update releases exactly what
    // getOutputLength promised; a padded decryption holds its last block
    // back for final.
    std::vector<std::uint8_t> plain(100);
    for (std::size_t i = 0; i < plain.size(); ++i) plain[i] = static_cast<std::uint8_t>(i * 7);
    const auto key = fromHex(kKey16);
    const Outcome whole = runCrypt(kCCEncrypt, kCCAlgorithmAES, kCCOptionPKCS7Padding, key, nullptr, plain);
    ASSERT_EQ(whole.bytes.size(), 112u);

    for (Operation op : {kCCEncrypt, kCCDecrypt}) {
        const auto& in = op == kCCEncrypt ? plain : whole.bytes;
        const auto& expected = op == kCCEncrypt ? whole.bytes : plain;
        std::unique_ptr<Cryptor> cryptor;
        ASSERT_EQ(Cryptor::create(op, kCCAlgorithmAES, kCCOptionPKCS7Padding, key.data(), key.size(), nullptr, cryptor),
                  kCCSuccess);
        std::vector<std::uint8_t> out;
        std::size_t at = 0;
        for (std::size_t piece : {5u, 11u, 16u, 1u, 31u, 48u}) {
            piece = std::min(piece, in.size() - at);
            std::vector<std::uint8_t> area(cryptor->getOutputLength(piece, false));
            std::size_t moved = 99;
            ASSERT_EQ(cryptor->update(in.data() + at, piece, area.data(), area.size(), &moved), kCCSuccess);
            EXPECT_EQ(moved, area.size());
            out.insert(out.end(), area.begin(), area.begin() + static_cast<long>(moved));
            at += piece;
        }
        ASSERT_EQ(at, in.size());
        std::vector<std::uint8_t> area(cryptor->getOutputLength(0, true));
        std::size_t moved = 0;
        ASSERT_EQ(cryptor->final(area.data(), area.size(), &moved), kCCSuccess);
        out.insert(out.end(), area.begin(), area.begin() + static_cast<long>(moved));
        EXPECT_EQ(out, expected) << "operation " << op;
    }
}

TEST(CryptorTest, FailureStatuses) {
    const auto key16 = fromHex(kKey16);
    const auto aligned = bytesOf("0123456789abcdef");
    const auto ragged = bytesOf("0123456789");
    auto goodCipher = runCrypt(kCCEncrypt, kCCAlgorithmAES, kCCOptionPKCS7Padding, key16, nullptr, bytesOf(kFox)).bytes;
    auto badPadding = goodCipher;
    badPadding.back() ^= 0x5a;
    struct Case {
        const char* what;
        Operation op;
        Algorithm alg;
        Options options;
        std::vector<std::uint8_t> key;
        std::vector<std::uint8_t> input;
        CryptorStatus expected;
    };
    const Case cases[] = {
        {"AES key of 20 bytes", kCCEncrypt, kCCAlgorithmAES, 1, std::vector<std::uint8_t>(20), aligned, kCCParamError},
        {"DES key of 7 bytes", kCCEncrypt, kCCAlgorithmDES, 1, std::vector<std::uint8_t>(7), aligned, kCCParamError},
        {"3DES key of 16 bytes", kCCEncrypt, kCCAlgorithm3DES, 1, std::vector<std::uint8_t>(16), aligned, kCCParamError},
        {"CAST key of 4 bytes", kCCEncrypt, kCCAlgorithmCAST, 1, std::vector<std::uint8_t>(4), aligned, kCCParamError},
        {"CAST key of 17 bytes", kCCEncrypt, kCCAlgorithmCAST, 1, std::vector<std::uint8_t>(17), aligned, kCCParamError},
        {"RC4 key of 513 bytes", kCCEncrypt, kCCAlgorithmRC4, 0, std::vector<std::uint8_t>(513), aligned, kCCParamError},
        {"unknown algorithm", kCCEncrypt, 9, 1, key16, aligned, kCCParamError},
        {"unknown option bit", kCCEncrypt, kCCAlgorithmAES, 4, key16, aligned, kCCParamError},
        {"unknown operation", 2, kCCAlgorithmAES, 1, key16, aligned, kCCParamError},
        {"unpadded encrypt of ragged input", kCCEncrypt, kCCAlgorithmAES, 0, key16, ragged, kCCAlignmentError},
        {"unpadded decrypt of ragged input", kCCDecrypt, kCCAlgorithmAES, 0, key16, ragged, kCCAlignmentError},
        {"padded decrypt of ragged input", kCCDecrypt, kCCAlgorithmAES, 1, key16, ragged, kCCAlignmentError},
        {"padded decrypt of nothing", kCCDecrypt, kCCAlgorithmAES, 1, key16, {}, kCCDecodeError},
        {"padded decrypt with corrupt padding", kCCDecrypt, kCCAlgorithmAES, 1, key16, badPadding, kCCDecodeError},
        {"padded decrypt under the wrong key", kCCDecrypt, kCCAlgorithmAES, 1, std::vector<std::uint8_t>(16, 1),
         goodCipher, kCCDecodeError},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runCrypt(c.op, c.alg, c.options, c.key, nullptr, c.input).status, c.expected) << c.what;
    }
    std::unique_ptr<Cryptor> cryptor;
    EXPECT_EQ(Cryptor::create(kCCEncrypt, kCCAlgorithmAES, 1, nullptr, 16, nullptr, cryptor), kCCParamError);
    EXPECT_EQ(cryptor, nullptr);
}

TEST(CryptorTest, AreaTooSmallIsRefusedWithTheNeededSize) {
    const auto key = fromHex(kKey16);
    const auto plain = bytesOf(kFox);
    std::vector<std::uint8_t> out(47, 0xee);
    std::size_t moved = 0;
    EXPECT_EQ(crypt(kCCEncrypt, kCCAlgorithmAES, 1, key.data(), key.size(), nullptr, plain.data(), plain.size(),
                    out.data(), out.size(), &moved),
              kCCBufferTooSmall);
    EXPECT_EQ(moved, 48u);
    EXPECT_EQ(out, std::vector<std::uint8_t>(47, 0xee)) << "nothing may be written";

    // A padded decryption's final step fails on a short area and then
    // succeeds when asked again with room.
    const auto cipher = runCrypt(kCCEncrypt, kCCAlgorithmAES, 1, key, nullptr, plain).bytes;
    std::unique_ptr<Cryptor> cryptor;
    ASSERT_EQ(Cryptor::create(kCCDecrypt, kCCAlgorithmAES, 1, key.data(), key.size(), nullptr, cryptor), kCCSuccess);
    std::vector<std::uint8_t> area(64);
    std::size_t updated = 0;
    ASSERT_EQ(cryptor->update(cipher.data(), cipher.size(), area.data(), 31, &updated), kCCBufferTooSmall);
    EXPECT_EQ(updated, 32u);
    ASSERT_EQ(cryptor->update(cipher.data(), cipher.size(), area.data(), area.size(), &updated), kCCSuccess);
    std::size_t finalised = 0;
    EXPECT_EQ(cryptor->final(area.data() + updated, 5, &finalised), kCCBufferTooSmall);
    EXPECT_EQ(finalised, 11u);
    ASSERT_EQ(cryptor->final(area.data() + updated, area.size() - updated, &finalised), kCCSuccess);
    area.resize(updated + finalised);
    EXPECT_EQ(area, plain);
}

TEST(RandomTest, BytesAndNumbersDiffer) {
    std::vector<std::uint8_t> a(32), b(32);
    ASSERT_EQ(randomGenerateBytes(a.data(), a.size()), kCCSuccess);
    ASSERT_EQ(randomGenerateBytes(b.data(), b.size()), kCCSuccess);
    EXPECT_NE(a, b);
    EXPECT_NE(a, std::vector<std::uint8_t>(32));
    std::vector<std::uint32_t> numbers;
    for (int i = 0; i < 8; ++i) numbers.push_back(random32());
    std::sort(numbers.begin(), numbers.end());
    EXPECT_EQ(std::unique(numbers.begin(), numbers.end()), numbers.end());
}
