// The strict decoder takes whole groups of four alphabet characters at a
// time and falls back to one character at a time for anything else. These
// cases put every kind of interruption at every position of long texts and
// compare against the rules applied one character at a time.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/crypto/Base64Codec.h"
#include "core/crypto/StringAddition.h"

namespace {

// The documented rules, one character at a time.
std::optional<std::vector<std::uint8_t>> referenceDecode(const std::string& text) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::vector<std::uint8_t> out;
    int values[4];
    int filled = 0;
    for (const char ch : text) {
        if (ch == '\0') break;
        if (ch == '=' || ch == ' ' || (ch >= 9 && ch <= 13)) continue;
        const auto at = alphabet.find(ch);
        if (at == std::string::npos) return std::nullopt;
        values[filled++] = static_cast<int>(at);
        if (filled == 4) {
            out.push_back(static_cast<std::uint8_t>(values[0] << 2 | values[1] >> 4));
            out.push_back(static_cast<std::uint8_t>(values[1] << 4 | values[2] >> 2));
            out.push_back(static_cast<std::uint8_t>(values[2] << 6 | values[3]));
            filled = 0;
        }
    }
    if (filled == 1) return std::nullopt;
    if (filled >= 2) out.push_back(static_cast<std::uint8_t>(values[0] << 2 | values[1] >> 4));
    if (filled == 3) out.push_back(static_cast<std::uint8_t>(values[1] << 4 | values[2] >> 2));
    return out;
}

std::optional<std::vector<std::uint8_t>> decode(const std::string& text) {
    auto data = Base64Codec::decodeStrict(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    if (!data) return std::nullopt;
    return std::vector<std::uint8_t>(data->bytes(), data->bytes() + data->length());
}

}  // namespace

TEST(Base64CodecTest, InterruptionsAnywhereInALongTextDecodeAsOneCharacterAtATime) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> bytes(301);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    const std::string clean = Base64Codec::encode(bytes.data(), bytes.size());
    ASSERT_EQ(decode(clean), bytes);
    const std::string interruptions[] = {" ", "\r\n", "=", "==", "!", "-", std::string(1, '\0'), "\xC3\xA9", "A"};
    for (const auto& piece : interruptions) {
        for (std::size_t at = 0; at <= clean.size(); ++at) {
            const std::string text = clean.substr(0, at) + piece + clean.substr(at);
            ASSERT_EQ(decode(text), referenceDecode(text)) << "piece " << int(piece[0]) << " at " << at;
        }
    }
    // Two interruptions at once, so the fast path restarts mid-text.
    for (int round = 0; round < 200; ++round) {
        std::string text = clean;
        for (int k = 0; k < 2; ++k) {
            const auto& piece = interruptions[random() % 5];  // only those that keep the text readable
            text.insert(random() % (text.size() + 1), piece);
        }
        ASSERT_EQ(decode(text), referenceDecode(text)) << text;
    }
}

TEST(Base64CodecTest, TextThatIsNotASCIIIsRefusedEvenPastTheZeroByte) {
    EXPECT_EQ(KXBase64DecodeToData(std::string("Zm9v\0AA", 7)), ns::Data::fromString("foo"));
    EXPECT_EQ(KXBase64DecodeToData(std::string("Zm9v\0\xC3\xA9", 6)), std::nullopt);
    EXPECT_EQ(KXBase64DecodeToData(std::string("Zm9v\xC3\xA9\0", 7)), std::nullopt);
}
