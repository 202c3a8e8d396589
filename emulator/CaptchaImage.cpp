#include "emulator/CaptchaImage.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace emulator {
namespace {

std::uint32_t crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

void putBE32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

void chunk(std::string& png, const char* type, const std::string& data) {
    putBE32(png, static_cast<std::uint32_t>(data.size()));
    std::string typed = std::string(type, 4) + data;
    png += typed;
    putBE32(png, crc32(typed));
}

// A zlib stream of stored (uncompressed) blocks.
std::string zlibStored(const std::string& raw) {
    std::string out("\x78\x01", 2);
    std::size_t offset = 0;
    do {
        std::size_t len = std::min<std::size_t>(65535, raw.size() - offset);
        bool last = offset + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<char>(len & 0xFF));
        out.push_back(static_cast<char>(len >> 8));
        out.push_back(static_cast<char>(~len & 0xFF));
        out.push_back(static_cast<char>((~len >> 8) & 0xFF));
        out.append(raw, offset, len);
        offset += len;
    } while (offset < raw.size());
    std::uint32_t a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBE32(out, (b << 16) | a);
    return out;
}

}  // namespace

std::string captchaPNG(const std::string& code, int width, int height) {
    width = std::clamp(width, 1, 512);
    height = std::clamp(height, 1, 512);
    std::string raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back('\0');  // no filter
        for (int x = 0; x < width; ++x) {
            unsigned char c = code.empty() ? 0 : static_cast<unsigned char>(code[(x * code.size()) / width]);
            raw.push_back(static_cast<char>(((c * 37 + y * 5) & 0x7F) + 0x40));
        }
    }
    std::string ihdr;
    putBE32(ihdr, static_cast<std::uint32_t>(width));
    putBE32(ihdr, static_cast<std::uint32_t>(height));
    ihdr += std::string("\x08\x00\x00\x00\x00", 5);  // 8-bit grey, no interlace
    std::string png("\x89PNG\r\n\x1a\n", 8);
    chunk(png, "IHDR", ihdr);
    chunk(png, "IDAT", zlibStored(raw));
    chunk(png, "IEND", "");
    return png;
}

}  // namespace emulator
