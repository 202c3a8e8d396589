// ns::PropertyListSerialization: XML property lists <-> ns::Value.
//
// Property-list values are dictionaries, arrays, strings, integers, reals,
// booleans, dates and data; null and object pointers are not (writing them
// fails with NSCocoaErrorDomain 3852). Reading anything that is not a
// well-formed XML property list gives nil with error 3840: it never crashes,
// and nesting deeper than kMaxDepth is refused.
//
// The XML is written without a document type line (it is optional), with tab
// indentation, dates as "yyyy-MM-ddTHH:mm:ssZ" in UTC and data as Base64.
#pragma once

#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"

namespace ns {

enum class PropertyListFormat { OpenStep = 1, XML = 100, Binary = 200 };

class PropertyListSerialization {
public:
    static constexpr int kMaxDepth = 512;

    // Only the XML format is written; the others fail with error 3852.
    static std::optional<Data> dataWithPropertyList(const Value& plist, PropertyListFormat format = PropertyListFormat::XML,
                                                    ErrorPtr* error = nullptr);
    // The property list the data holds, or nil with error 3840.
    static Value propertyListWithData(const Data& data, ErrorPtr* error = nullptr);
    // Whether every value in the tree is a property-list type.
    static bool propertyListIsValid(const Value& plist);
};

// The platform's dictionaryWithContentsOfFile / arrayWithContentsOfFile:
// nil when the file is missing, is not a property list or holds another type.
Value dictionaryWithContentsOfFile(const std::string& path);
Value arrayWithContentsOfFile(const std::string& path);
// The platform's writeToFile:atomically: for a dictionary or an array.
bool writePropertyListToFile(const Value& plist, const std::string& path, bool atomically = true, ErrorPtr* error = nullptr);

}  // namespace ns
