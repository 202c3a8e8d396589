// Text encodings: converting UTF-8 text to and from the bytes of another
// encoding (through iconv). The numbers are the platform's encoding numbers,
// so values stored as integers keep their meaning.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Data.h"

namespace ns {

enum StringEncoding : std::uint32_t {
    kASCIIStringEncoding = 1,
    kNEXTSTEPStringEncoding = 2,
    kJapaneseEUCStringEncoding = 3,
    kUTF8StringEncoding = 4,
    kISOLatin1StringEncoding = 5,
    kSymbolStringEncoding = 6,
    kNonLossyASCIIStringEncoding = 7,
    kShiftJISStringEncoding = 8,
    kISOLatin2StringEncoding = 9,
    kUnicodeStringEncoding = 10,  // UTF-16 with a byte-order mark
    kWindowsCP1251StringEncoding = 11,
    kWindowsCP1252StringEncoding = 12,
    kWindowsCP1253StringEncoding = 13,
    kWindowsCP1254StringEncoding = 14,
    kWindowsCP1250StringEncoding = 15,
    kISO2022JPStringEncoding = 21,
    kMacOSRomanStringEncoding = 30,
    kUTF16StringEncoding = kUnicodeStringEncoding,
    kUTF16BigEndianStringEncoding = 0x90000100,
    kUTF16LittleEndianStringEncoding = 0x94000100,
    kUTF32StringEncoding = 0x8c000100,
    kUTF32BigEndianStringEncoding = 0x98000100,
    kUTF32LittleEndianStringEncoding = 0x9c000100,
    kGBKStringEncoding = 0x80000631,  // code page 936
    kGB18030StringEncoding = 0x80000632,
    kBig5StringEncoding = 0x80000A03,
};

namespace str {

// The bytes of the text in the encoding; nothing when a character has no
// representation in it (or the encoding is unknown). kUnicodeStringEncoding
// and kUTF32StringEncoding write a byte-order mark and little-endian units.
std::optional<Data> dataUsingEncoding(std::string_view text, StringEncoding encoding);
bool canBeConvertedToEncoding(std::string_view text, StringEncoding encoding);
// The text the bytes stand for; nothing when they are not valid in the
// encoding. UTF-16/32 without a byte-order mark read as big-endian.
std::optional<std::string> fromData(const Data& data, StringEncoding encoding);
std::optional<std::string> fromBytes(std::string_view bytes, StringEncoding encoding);

// The IANA character-set name ("utf-8", "iso-8859-1", "gb18030"...), "" when
// the encoding has none.
std::string IANACharsetName(StringEncoding encoding);
// The encoding of an IANA name (any case, common aliases); nothing if unknown.
std::optional<StringEncoding> encodingFromIANACharsetName(std::string_view name);

}  // namespace str
}  // namespace ns
