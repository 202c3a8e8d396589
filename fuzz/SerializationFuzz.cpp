// Feeds arbitrary bytes to every decoder of stored or received data that the
// foundation layer has: JSON, XML property lists, keyed archives and string
// tables. None may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>

#include "platform/foundation/JSONSerialization.h"
#include "platform/foundation/KeyedArchiver.h"
#include "platform/foundation/KeyedUnarchiver.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/StringsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t length) {
    if (length == 0) return 0;
    ns::Data data(bytes + 1, length - 1);
    switch (bytes[0] % 4) {
        case 0: {
            ns::Value v = ns::JSONSerialization::JSONObjectWithData(data, ns::kJSONReadingFragmentsAllowed);
            if (!v.isNil()) (void)ns::JSONSerialization::dataWithJSONObject(v, ns::kJSONWritingFragmentsAllowed);
            break;
        }
        case 1: {
            ns::Value v = ns::PropertyListSerialization::propertyListWithData(data);
            if (!v.isNil()) (void)ns::PropertyListSerialization::dataWithPropertyList(v);
            break;
        }
        case 2: {
            // Give the archive a valid header so that the fuzzer reaches the items.
            ns::Data archive = ns::Data::fromString("KBKARCH1");
            std::uint64_t n = data.length();
            for (int i = 0; i < 8; ++i) {
                std::uint8_t b = static_cast<std::uint8_t>(n >> (8 * i));
                archive.append(&b, 1);
            }
            archive.append(data);
            ns::Value v = ns::KeyedUnarchiver::unarchiveObjectWithData(archive);
            if (!v.isNil()) (void)ns::KeyedArchiver::archivedDataWithRootObject(v);
            break;
        }
        default:
            (void)ns::parseStringsFile(data);
    }
    return 0;
}
