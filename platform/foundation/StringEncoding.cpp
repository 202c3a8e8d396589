#include "platform/foundation/StringEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

#include "platform/foundation/StringUtils.h"
#include "platform/foundation/Utf16.h"

namespace ns::str {

namespace {

// The iconv name of an encoding; nullptr for those we handle ourselves or
// do not know.
const char* iconvName(StringEncoding e) {
    switch (e) {
        case kJapaneseEUCStringEncoding: return "EUC-JP";
        case kISOLatin1StringEncoding: return "ISO-8859-1";
        case kShiftJISStringEncoding: return "SHIFT_JIS";
        case kISOLatin2StringEncoding: return "ISO-8859-2";
        case kWindowsCP1251StringEncoding: return "CP1251";
        case kWindowsCP1252StringEncoding: return "CP1252";
        case kWindowsCP1253StringEncoding: return "CP1253";
        case kWindowsCP1254StringEncoding: return "CP1254";
        case kWindowsCP1250StringEncoding: return "CP1250";
        case kISO2022JPStringEncoding: return "ISO-2022-JP";
        case kMacOSRomanStringEncoding: return "MACINTOSH";
        case kNEXTSTEPStringEncoding: return "NEXTSTEP";
        case kUTF16BigEndianStringEncoding: return "UTF-16BE";
        case kUTF16LittleEndianStringEncoding: return "UTF-16LE";
        case kUTF32BigEndianStringEncoding: return "UTF-32BE";
        case kUTF32LittleEndianStringEncoding: return "UTF-32LE";
        case kGBKStringEncoding: return "GBK";
        case kGB18030StringEncoding: return "GB18030";
        case kBig5StringEncoding: return "BIG5";
        default: return nullptr;
    }
}

std::optional<std::string> convert(std::string_view in, const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string out;
    std::vector<char> buffer(4096);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    bool ok = true;
    while (true) {
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        std::size_t r = inLeft ? iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) : iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (r == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG) continue;
            ok = false;  // EILSEQ or EINVAL: not representable / truncated input
            break;
        }
        if (inLeft == 0) {
            // Flush any shift state, then stop.
            char* flushPtr = buffer.data();
            std::size_t flushLeft = buffer.size();
            iconv(cd, nullptr, nullptr, &flushPtr, &flushLeft);
            out.append(buffer.data(), buffer.size() - flushLeft);
            break;
        }
    }
    iconv_close(cd);
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::optional<Data> dataUsingEncoding(std::string_view text, StringEncoding encoding) {
    auto toData = [](const std::string& s) { return Data(s.data(), s.size()); };
    switch (encoding) {
        case kUTF8StringEncoding:
            if (!utf16::isValidUtf8(text)) return std::nullopt;
            return Data(text.data(), text.size());
        case kASCIIStringEncoding:
        case kNonLossyASCIIStringEncoding:
            for (unsigned char c : text) {
                if (c >= 0x80) return std::nullopt;
            }
            return Data(text.data(), text.size());
        case kUnicodeStringEncoding: {
            if (!utf16::isValidUtf8(text)) return std::nullopt;
            auto body = convert(text, "UTF-16LE", "UTF-8");
            if (!body) return std::nullopt;
            return toData(std::string("\xFF\xFE", 2) + *body);
        }
        case kUTF32StringEncoding: {
            if (!utf16::isValidUtf8(text)) return std::nullopt;
            auto body = convert(text, "UTF-32LE", "UTF-8");
            if (!body) return std::nullopt;
            return toData(std::string("\xFF\xFE\0\0", 4) + *body);
        }
        default: {
            const char* name = iconvName(encoding);
            if (!name || !utf16::isValidUtf8(text)) return std::nullopt;
            auto bytes = convert(text, name, "UTF-8");
            if (!bytes) return std::nullopt;
            return toData(*bytes);
        }
    }
}

bool canBeConvertedToEncoding(std::string_view text, StringEncoding encoding) {
    return dataUsingEncoding(text, encoding).has_value();
}

std::optional<std::string> fromBytes(std::string_view bytes, StringEncoding encoding) {
    switch (encoding) {
        case kUTF8StringEncoding:
            if (!utf16::isValidUtf8(bytes)) return std::nullopt;
            return std::string(bytes);
        case kASCIIStringEncoding:
        case kNonLossyASCIIStringEncoding:
            for (unsigned char c : bytes) {
                if (c >= 0x80) return std::nullopt;
            }
            return std::string(bytes);
        case kUnicodeStringEncoding:
            if (bytes.size() >= 2 && bytes.substr(0, 2) == std::string_view("\xFF\xFE", 2))
                return convert(bytes.substr(2), "UTF-8", "UTF-16LE");
            if (bytes.size() >= 2 && bytes.substr(0, 2) == std::string_view("\xFE\xFF", 2))
                return convert(bytes.substr(2), "UTF-8", "UTF-16BE");
            return convert(bytes, "UTF-8", "UTF-16BE");
        case kUTF32StringEncoding:
            if (bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("\xFF\xFE\0\0", 4))
                return convert(bytes.substr(4), "UTF-8", "UTF-32LE");
            if (bytes.size() >= 4 && bytes.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4))
                return convert(bytes.substr(4), "UTF-8", "UTF-32BE");
            return convert(bytes, "UTF-8", "UTF-32BE");
        default: {
            const char* name = iconvName(encoding);
            if (!name) return std::nullopt;
            return convert(bytes, "UTF-8", name);
        }
    }
}

std::optional<std::string> fromData(const Data& data, StringEncoding encoding) {
    return fromBytes(std::string_view(reinterpret_cast<const char*>(data.bytes()), data.length()), encoding);
}

std::string IANACharsetName(StringEncoding encoding) {
    switch (encoding) {
        case kASCIIStringEncoding: return "us-ascii";
        case kUTF8StringEncoding: return "utf-8";
        case kISOLatin1StringEncoding: return "iso-8859-1";
        case kISOLatin2StringEncoding: return "iso-8859-2";
        case kJapaneseEUCStringEncoding: return "euc-jp";
        case kShiftJISStringEncoding: return "shift_jis";
        case kUnicodeStringEncoding: return "utf-16";
        case kUTF16BigEndianStringEncoding: return "utf-16be";
        case kUTF16LittleEndianStringEncoding: return "utf-16le";
        case kUTF32StringEncoding: return "utf-32";
        case kUTF32BigEndianStringEncoding: return "utf-32be";
        case kUTF32LittleEndianStringEncoding: return "utf-32le";
        case kWindowsCP1250StringEncoding: return "windows-1250";
        case kWindowsCP1251StringEncoding: return "windows-1251";
        case kWindowsCP1252StringEncoding: return "windows-1252";
        case kWindowsCP1253StringEncoding: return "windows-1253";
        case kWindowsCP1254StringEncoding: return "windows-1254";
        case kISO2022JPStringEncoding: return "iso-2022-jp";
        case kMacOSRomanStringEncoding: return "macintosh";
        case kGBKStringEncoding: return "gbk";
        case kGB18030StringEncoding: return "gb18030";
        case kBig5StringEncoding: return "big5";
        default: return "";
    }
}

std::optional<StringEncoding> encodingFromIANACharsetName(std::string_view name) {
    std::string n = asciiLowercase(trimmingWhitespace(name));
    if (n == "utf8") return kUTF8StringEncoding;
    if (n == "latin1" || n == "iso_8859-1" || n == "iso8859-1") return kISOLatin1StringEncoding;
    if (n == "ascii") return kASCIIStringEncoding;
    if (n == "gb2312" || n == "cp936") return kGBKStringEncoding;
    static const StringEncoding all[] = {
        kASCIIStringEncoding, kUTF8StringEncoding, kISOLatin1StringEncoding, kISOLatin2StringEncoding,
        kJapaneseEUCStringEncoding, kShiftJISStringEncoding, kUnicodeStringEncoding, kUTF16BigEndianStringEncoding,
        kUTF16LittleEndianStringEncoding, kUTF32StringEncoding, kUTF32BigEndianStringEncoding,
        kUTF32LittleEndianStringEncoding, kWindowsCP1250StringEncoding, kWindowsCP1251StringEncoding,
        kWindowsCP1252StringEncoding, kWindowsCP1253StringEncoding, kWindowsCP1254StringEncoding,
        kISO2022JPStringEncoding, kMacOSRomanStringEncoding, kGBKStringEncoding, kGB18030StringEncoding,
        kBig5StringEncoding,
    };
    for (StringEncoding e : all) {
        if (IANACharsetName(e) == n) return e;
    }
    return std::nullopt;
}

}  // namespace ns::str
