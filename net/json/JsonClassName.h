// The class name the platform reports for a value, as the codecs' error
// texts show it ("Unable to serialize object class NSDate.").
#pragma once

#include <string>

#include "platform/foundation/Value.h"

inline std::string jsonClassName(const ns::Value& value) {
    switch (value.kind()) {
        case ns::ValueKind::Nil: return "(null)";
        case ns::ValueKind::Null: return "NSNull";
        case ns::ValueKind::Bool:
        case ns::ValueKind::Integer:
        case ns::ValueKind::Unsigned:
        case ns::ValueKind::Double: return "NSNumber";
        case ns::ValueKind::Decimal: return "NSDecimalNumber";
        case ns::ValueKind::String: return "NSString";
        case ns::ValueKind::Data: return "NSData";
        case ns::ValueKind::Date: return "NSDate";
        case ns::ValueKind::Array: return "NSArray";
        case ns::ValueKind::Dictionary: return "NSDictionary";
        case ns::ValueKind::Object: return value.asObject()->className();
    }
    return "(null)";
}
