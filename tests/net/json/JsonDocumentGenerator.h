// Random JSON documents for the codec tests: nested arrays and objects of
// strings (escapes, CJK, astral characters), integers of every range,
// doubles, booleans and null, as nlohmann-json values.
#pragma once

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace jsontest {

class JsonDocumentGenerator {
public:
    explicit JsonDocumentGenerator(std::uint64_t seed) : rng_(seed) {}

    // A top-level array or object.
    nlohmann::json document(int maxDepth = 5) {
        return pick(2) ? object(maxDepth) : array(maxDepth);
    }

    std::string text() {
        static const char32_t pool[] = {U'a', U'Z', U'0', U' ', U'"', U'\\', U'/', U'\n', U'\t', U'\x01', U'\x1f',
                                        U'\x7f', U'\u00e9', U'\u00df', U'\u4e2d', U'\u6587', U'\u3042', U'\u2028',
                                        U'\uffef', U'\U0001F600', U'\U0001F9FF', U'\U00010000', U'\U0010FFFD'};
        std::string s;
        const int n = static_cast<int>(pick(12));
        for (int i = 0; i < n; ++i) {
            const char32_t c = pick(3) ? static_cast<char32_t>('a' + pick(26)) : pool[pick(sizeof pool / sizeof *pool)];
            appendUtf8(s, c);
        }
        return s;
    }

    nlohmann::json scalar() {
        switch (pick(9)) {
            case 0: return text();
            case 1: return static_cast<std::int64_t>(rng_()) >> pick(64);
            case 2: return static_cast<std::uint64_t>(rng_()) | (1ULL << 63);
            case 3: return static_cast<std::int64_t>(pick(1000)) - 500;
            case 4: {
                std::uniform_real_distribution<double> d(-1e6, 1e6);
                return d(rng_);
            }
            case 5: {
                double v;
                do {
                    const std::uint64_t bits = rng_();
                    std::memcpy(&v, &bits, sizeof v);
                } while (!std::isfinite(v));
                return v;
            }
            case 6: return pick(2) == 1;
            case 7: return nullptr;
            default: return text();
        }
    }

    std::uint64_t pick(std::uint64_t n) { return n == 0 ? 0 : rng_() % n; }

private:
    nlohmann::json array(int depth) {
        auto a = nlohmann::json::array();
        const int n = static_cast<int>(pick(6));
        for (int i = 0; i < n; ++i) a.push_back(value(depth - 1));
        return a;
    }
    nlohmann::json object(int depth) {
        auto o = nlohmann::json::object();
        const int n = static_cast<int>(pick(6));
        for (int i = 0; i < n; ++i) o[text()] = value(depth - 1);
        return o;
    }
    nlohmann::json value(int depth) {
        if (depth <= 0 || pick(3) == 0) return scalar();
        return pick(2) ? object(depth) : array(depth);
    }
    static void appendUtf8(std::string& s, char32_t c) {
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xF0 | (c >> 18));
            s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }

    std::mt19937_64 rng_;
};

}  // namespace jsontest
