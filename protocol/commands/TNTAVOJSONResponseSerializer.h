// The reply decoder of the local channel: Base64 text, AES-decrypted with
// the service's session key, read as JSON. A reply that is not encrypted
// JSON is read as plain JSON; when neither reads, no object results and the
// command service reports the reply as unreadable. It reports no error of
// its own, except that a ranged download only accepts statuses 200-299
// (requiresSuccessStatus), so an error page never counts as a file piece.
#pragma once

#include <memory>

#include "net/http/TNHTTPResponseSerializer.h"
#include "platform/foundation/Data.h"

class TNTAVOJSONResponseSerializer : public TNHTTPResponseSerializer {
public:
    static std::shared_ptr<TNTAVOJSONResponseSerializer> serializer() {
        return std::shared_ptr<TNTAVOJSONResponseSerializer>(new TNTAVOJSONResponseSerializer());
    }

    ns::Data aes128KeyData;
    bool requiresSuccessStatus = false;

    ns::Value responseObjectForResponse(const ns::URLResponsePtr& response, const std::optional<ns::Data>& data,
                                        ns::ErrorPtr* error) override;
    std::string className() const override { return "TNTAVOJSONResponseSerializer"; }

protected:
    TNTAVOJSONResponseSerializer();
    std::shared_ptr<TNHTTPResponseSerializer> makeEmpty() const override { return serializer(); }
};
