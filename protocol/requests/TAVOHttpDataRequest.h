// A request sent as one HTTP POST through the platform's URL connection on
// the main run loop. Server-trust challenges go to the trust policy; the
// reply body is gathered and handed to the parser when the transfer ends.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Value.h"
#include "platform/net/URLConnection.h"
#include "platform/net/URLConnectionDelegate.h"
#include "protocol/requests/TAVODataRequest.h"
#include "protocol/requests/TAVOSecurityPolice.h"

class TAVOHttpDataRequest : public TAVODataRequest, public ns::URLConnectionDelegate {
public:
    // The cloud router API's base address (no trailing slash).
    static std::string cloudBaseURL();

    virtual std::string baseURL() const { return cloudBaseURL(); }
    virtual bool usingHttps() const { return true; }
    virtual std::string reqMethod() const { return "POST"; }
    virtual double timeout() const { return 30.0; }
    virtual std::string generateURL() { return ""; }
    virtual std::optional<ns::Dictionary> generateHeader() { return std::nullopt; }
    virtual std::optional<ns::Data> generateBody() { return std::nullopt; }

    void startRequest(const ns::Value& param) override;
    TAVODataParserPtr createParser() override;

    const ns::URLConnectionPtr& connection() const { return connection_; }
    const ns::Data& data() const { return data_; }
    const ns::Dictionary& header() const { return header_; }
    const ns::ErrorPtr& error() const { return error_; }
    const TAVOSecurityPolicePtr& securityPolice() const { return securityPolice_; }
    void setSecurityPolice(TAVOSecurityPolicePtr police) { securityPolice_ = std::move(police); }

    // --- URL connection callbacks --------------------------------------
    bool implementsWillSendRequestForAuthenticationChallenge() const override { return true; }
    void connectionWillSendRequestForAuthenticationChallenge(const ns::URLConnectionPtr&,
                                                             const ns::URLAuthenticationChallengePtr& challenge) override;
    void connectionDidReceiveResponse(const ns::URLConnectionPtr&, const ns::URLResponsePtr& response) override;
    void connectionDidReceiveData(const ns::URLConnectionPtr&, const ns::Data& chunk) override;
    void connectionDidFinishLoading(const ns::URLConnectionPtr&) override;
    void connectionDidFailWithError(const ns::URLConnectionPtr&, const ns::ErrorPtr& error) override;

    std::string className() const override { return "TAVOHttpDataRequest"; }

protected:
    TAVOHttpDataRequest() : securityPolice_(TAVOSecurityPolice::defaultSecurityPolice()) {}
    ns::Data& mutableData() { return data_; }
    void setData(ns::Data data) { data_ = std::move(data); }
    void clearError() { error_.reset(); }

private:
    ns::URLConnectionPtr connection_;
    ns::Data data_;
    ns::Dictionary header_;
    ns::ErrorPtr error_;
    TAVOSecurityPolicePtr securityPolice_;
};
