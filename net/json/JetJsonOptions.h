// The JetJson codec's option bits, error domain and error user-info keys.
#pragma once

// Decoder parse options (a bit set; 0 is strict standard JSON).
inline constexpr unsigned kJTParseOptionStrict = 0;
inline constexpr unsigned kJTParseOptionComments = 1;                  // "//" and "/* */" count as white space
inline constexpr unsigned kJTParseOptionUnicodeNewlines = 2;           // U+2028, U+2029, U+0085 end lines
inline constexpr unsigned kJTParseOptionLooseUnicode = 4;              // bad UTF-8 and escapes become U+FFFD
inline constexpr unsigned kJTParseOptionPermitTextAfterValidJSON = 8;  // text after the value is ignored
inline constexpr unsigned kJTParseOptionValidFlags = 15;

// Encoder serialize options.
inline constexpr unsigned kJTSerializeOptionNone = 0;
inline constexpr unsigned kJTSerializeOptionPretty = 1;
inline constexpr unsigned kJTSerializeOptionEscapeUnicode = 2;  // ASCII-only output

// Encoder encode options: the low three bits give the result type.
inline constexpr unsigned kJTEncodeOptionAsData = 1;
inline constexpr unsigned kJTEncodeOptionAsString = 2;
inline constexpr unsigned kJTEncodeOptionAsTypeMask = 7;
inline constexpr unsigned kJTEncodeOptionCollectionObj = 8;  // must be an array or a dictionary
inline constexpr unsigned kJTEncodeOptionStringObj = 16;     // must be a string
inline constexpr unsigned kJTEncodeOptionStringObjTrimQuotes = 32;

inline constexpr const char* kJTErrorDomain = "JTErrorDomain";
inline constexpr const char* kJTAtIndexKey = "JTAtIndexKey";
inline constexpr const char* kJTLineNumberKey = "JTLineNumberKey";
