#include "net/json/JsonDoubleText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace jsondouble {

namespace {

using u128 = unsigned __int128;

struct Powers {
    u128 p[39];
    constexpr Powers() : p() {
        p[0] = 1;
        for (int i = 1; i < 39; ++i) p[i] = p[i - 1] * 10;
    }
};
constexpr Powers kPow10;

constexpr std::uint64_t kLow17 = 10000000000000000ULL;   // 10^16: the smallest 17-digit number
constexpr std::uint64_t kHigh17 = 100000000000000000ULL; // 10^17

// Rounds num / den to the nearest integer, ties to even.
inline u128 roundDiv(u128 num, u128 den) {
    u128 n = num / den;
    const u128 r = num - n * den;
    if (r > den - r || (r == den - r && (n & 1))) ++n;
    return n;
}

// x = m * 2^e scaled by 10^s and rounded; false when out of the exact range.
inline bool scaled(std::uint64_t m, int e, int s, u128& n) {
    if (e >= 0) {
        if (e > 73) return false;
        const u128 a = static_cast<u128>(m) << e;
        if (s >= 0) {
            if (s > 38 || a > (~static_cast<u128>(0)) / kPow10.p[s]) return false;
            n = a * kPow10.p[s];
        } else {
            if (-s > 38) return false;
            n = roundDiv(a, kPow10.p[-s]);
        }
        return true;
    }
    const int q = -e;
    if (s < 0 || s > 22 || q > 120) return false;  // m * 10^22 stays below 2^128
    const u128 num = static_cast<u128>(m) * kPow10.p[s];
    const u128 den = static_cast<u128>(1) << q;
    n = num >> q;
    const u128 r = num & (den - 1);
    const u128 half = den >> 1;
    if (r > half || (r == half && (n & 1))) ++n;
    return true;
}

// The 17 significant digits of |d| and the decimal exponent of the first.
bool digits17(double d, std::uint64_t& digits, int& exponent) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((1ULL << 52) - 1);
    if (biased == 0) return false;  // zero and subnormals: the slow road
    const std::uint64_t m = fraction | (1ULL << 52);
    const int e = biased - 1075;
    // |d| lies in [2^(e+52), 2^(e+53)): its decimal exponent is this
    // estimate or the next one up.
    int k = ((e + 52) * 78913) >> 18;
    bool checkedBelow = false;
    for (int attempt = 0; attempt < 4; ++attempt) {
        u128 n;
        if (!scaled(m, e, 16 - k, n)) return false;
        if (n >= kHigh17) {
            ++k;
            continue;
        }
        if (n < kLow17) {
            --k;
            continue;
        }
        if (n == kLow17 && !checkedBelow) {
            // Rounding may have carried into this exponent from just below
            // it: the digits one place further down are the right ones when
            // they still have 17 digits.
            checkedBelow = true;
            u128 below;
            if (!scaled(m, e, 17 - k, below)) return false;
            if (below < kHigh17) {
                digits = static_cast<std::uint64_t>(below);
                exponent = k - 1;
                return true;
            }
        }
        digits = static_cast<std::uint64_t>(n);
        exponent = k;
        return true;
    }
    return false;
}

}  // namespace

char* writeG17(double d, char* out) {
    std::uint64_t n;
    int exponent;
    if (d == 0 || !digits17(d, n, exponent)) {
        return std::to_chars(out, out + kMaxLength, d, std::chars_format::general, 17).ptr;
    }
    if (std::signbit(d)) *out++ = '-';
    char digits[17];
    // Two digits at a time from the end.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    for (int i = 15; i >= 1; i -= 2) {
        const auto pair = static_cast<unsigned>(n % 100);
        n /= 100;
        digits[i] = kPairs[2 * pair];
        digits[i + 1] = kPairs[2 * pair + 1];
    }
    digits[0] = static_cast<char>('0' + n);
    int count = 17;
    while (count > 1 && digits[count - 1] == '0') --count;
    if (exponent >= -4 && exponent < 17) {
        if (exponent >= 0) {
            const int whole = exponent + 1;
            if (count <= whole) {
                std::memcpy(out, digits, static_cast<std::size_t>(count));
                out += count;
                std::memset(out, '0', static_cast<std::size_t>(whole - count));
                out += whole - count;
            } else {
                std::memcpy(out, digits, static_cast<std::size_t>(whole));
                out += whole;
                *out++ = '.';
                std::memcpy(out, digits + whole, static_cast<std::size_t>(count - whole));
                out += count - whole;
            }
        } else {
            *out++ = '0';
            *out++ = '.';
            std::memset(out, '0', static_cast<std::size_t>(-exponent - 1));
            out += -exponent - 1;
            std::memcpy(out, digits, static_cast<std::size_t>(count));
            out += count;
        }
        return out;
    }
    *out++ = digits[0];
    if (count > 1) {
        *out++ = '.';
        std::memcpy(out, digits + 1, static_cast<std::size_t>(count - 1));
        out += count - 1;
    }
    *out++ = 'e';
    *out++ = exponent < 0 ? '-' : '+';
    const int magnitude = exponent < 0 ? -exponent : exponent;
    if (magnitude < 10) *out++ = '0';
    return std::to_chars(out, out + 4, magnitude).ptr;
}

}  // namespace jsondouble
