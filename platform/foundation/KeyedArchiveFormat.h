// The byte layout shared by KeyedArchiver and KeyedUnarchiver.
//
//   archive := magic "KBKARCH1" (8 bytes), payload length (u64 LE), item
//   item    := tag (1 byte) then:
//     nil, null, false, true       nothing
//     integer / unsigned           8 bytes LE
//     double / date                8 bytes (IEEE-754 bits, LE; dates in seconds since 1970)
//     decimal / string / data      u32 LE length, bytes
//     array                        u32 count, items
//     dictionary                   u32 count, (string key, item) pairs
//     object                       class name string, u32 count, (string key, item) pairs
//
// The length in the header must match exactly, so a truncated or extended
// archive is refused before anything is decoded.
#pragma once

#include <cstdint>

namespace ns::archive {

inline constexpr char kMagic[8] = {'K', 'B', 'K', 'A', 'R', 'C', 'H', '1'};
inline constexpr std::size_t kHeaderSize = 16;
// Deeper nesting is refused both ways: it guards the stack against hostile
// archives and against objects that (wrongly) contain themselves.
inline constexpr int kMaxDepth = 512;

enum Tag : std::uint8_t {
    kNil = 0,
    kNull = 1,
    kFalse = 2,
    kTrue = 3,
    kInteger = 4,
    kUnsigned = 5,
    kDouble = 6,
    kDecimal = 7,
    kString = 8,
    kData = 9,
    kDate = 10,
    kArray = 11,
    kDictionary = 12,
    kObject = 13,
};

}  // namespace ns::archive
