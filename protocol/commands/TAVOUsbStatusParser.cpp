#include "protocol/commands/TAVOUsbStatusParser.h"

#include "protocol/commands/TAVOUSBStatus.h"
#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"

namespace R = TAVOReplyReader;

namespace {

// A text field as the router gives it; the sizes may come as numbers.
std::string field(const ns::Value& vdata, const char* key) {
    const ns::Value& value = R::lookup(vdata, key);
    if (value.isNil()) return "";
    if (value.isString() || value.isNumber()) return value.stringValue();
    throw TAVOReplyShapeError(std::string("usb status: ") + key + " is neither text nor a number");
}

}  // namespace

ns::Value TAVOUsbStatusParser::parseResult(const ns::Value& vdata) {
    if (!vdata.isDictionary()) return ns::Value();
    auto status = TAVOUSBStatus::create();
    status->status = R::integer(vdata, "status");
    status->manufacturer = field(vdata, "manufacturer");
    status->product = field(vdata, "product");
    status->usb_path = field(vdata, "usb_path");
    status->usb_total = field(vdata, "usb_total");
    status->usb_used = field(vdata, "usb_used");
    status->usb_free = field(vdata, "usb_free");
    return ns::Value(status);
}
