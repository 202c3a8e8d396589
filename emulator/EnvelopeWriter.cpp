#include "emulator/EnvelopeWriter.h"

#include "platform/foundation/JSONSerialization.h"

namespace emulator {

namespace {

std::string write(const ns::Value& value) {
    auto data = ns::JSONSerialization::dataWithJSONObject(value);
    return data ? std::string(reinterpret_cast<const char*>(data->bytes()), data->length()) : std::string("{}");
}

}  // namespace

std::string EnvelopeWriter::envelope(const APIResult& result, const CallFault* fault) {
    ns::Dictionary envelope;
    if (fault && fault->errcode) {
        envelope.set("errcode", *fault->errcode);
        if (fault->errdesc) envelope.set("errdesc", *fault->errdesc);
        // A wrong admin password carries the failed attempts so far.
        envelope.set("vdata", *fault->errcode == -1010 ? ns::Value::dictionary({{"count", 3}}) : result.vdata);
        return write(ns::Value(std::move(envelope)));
    }
    envelope.set("errcode", result.errcode);
    envelope.set("errdesc", result.errdesc);
    if (!result.vdata.isNil()) envelope.set("vdata", result.vdata);
    return write(ns::Value(std::move(envelope)));
}

std::string EnvelopeWriter::blockPage() {
    return "<html><head><meta charset=\"utf-8\"></head><body><p>路由器开启了防蹭网功能</p>"
           "<p>您的设备需要管理员允许后才能连接，暂时不能上网。</p></body></html>";
}

std::string EnvelopeWriter::oversized(const APIResult& result) {
    APIResult padded = result;
    padded.errdesc = std::string(102400, 'x');
    return envelope(padded, nullptr);
}

}  // namespace emulator
