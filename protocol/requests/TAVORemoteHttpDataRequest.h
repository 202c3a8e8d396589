// The base of every request of the catalogue. On the cloud channel it posts
// a form body (sorted keys, then the common pairs) to <cloud>/<module>/<call>
// over HTTPS; on the local channel it posts {"data", "key"} to the router:
// the JSON parameters (with "cmd" = module.call) AES-encrypted under a fresh
// session key, and that key RSA-wrapped for the router. The reply of a local
// request is decrypted with the same key before it is parsed.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "protocol/requests/CommonInfoProvider.h"
#include "protocol/requests/TAVOHttpDataRequest.h"

class TAVORemoteHttpDataRequest : public TAVOHttpDataRequest {
public:
    // "http://<router host>/home1/": the router's own API on the home network.
    static std::string localBaseURL();

    std::string baseURL() const override { return isLocal() ? localBaseURL() : cloudBaseURL(); }
    std::string generateURL() override;
    virtual std::string moduleNameForAPI() const { return ""; }
    virtual std::string concreteNameForAPI() const { return ""; }
    ns::Dictionary commonInfo();
    std::optional<ns::Dictionary> localRequestParam();
    // The body of a local request for the given JSON text; fills aes128Key.
    std::optional<ns::Data> encryptBody(const std::string& json);
    std::optional<ns::Data> generateBody() override;
    void parseNewData(const TAVODataParserPtr& parser) override;

    std::shared_ptr<CommonInfoProvider> commonInfoProvider() const { return commonInfoProvider_.lock(); }
    void setCommonInfoProvider(const std::shared_ptr<CommonInfoProvider>& provider) { commonInfoProvider_ = provider; }
    const ns::Data& aes128Key() const { return aes128Key_; }

    // The cloud form body's text for a parameter dictionary and common pairs
    // (each key and value percent-encoded once).
    static std::string formBody(const ns::Dictionary& param, const ns::Dictionary& common);

    std::string className() const override { return "TAVORemoteHttpDataRequest"; }

protected:
    TAVORemoteHttpDataRequest() = default;

private:
    std::weak_ptr<CommonInfoProvider> commonInfoProvider_;
    ns::Data aes128Key_;
};

using TAVORemoteHttpDataRequestPtr = std::shared_ptr<TAVORemoteHttpDataRequest>;
