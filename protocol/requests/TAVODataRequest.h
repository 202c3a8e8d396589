// The base of every numbered request: its token, its parameters, its channel
// and the delegate it reports its one outcome to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "protocol/requests/TAVODataParser.h"
#include "protocol/requests/TAVODataRequestDelegate.h"

class TAVODataRequest : public ns::Object {
public:
    // The identity handed back to the caller of the provider: the creation
    // time in whole seconds since 1970 (two requests of one second share it).
    std::int32_t token() const { return token_; }
    static std::int32_t generateToken();

    std::shared_ptr<TAVODataRequestDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVODataRequestDelegate>& delegate) { delegate_ = delegate; }

    const ns::Value& param() const { return param_; }
    // YES selects the local (home-network) channel. Classes bound to one
    // channel answer it themselves and ignore the flag.
    virtual bool isLocal() const { return isLocal_; }
    void setIsLocal(bool local) { isLocal_ = local; }

    // Stores the parameter; subclasses then send.
    virtual void startRequest(const ns::Value& param) { param_ = param; }
    virtual bool isCacheRequest() const { return false; }
    // Parses what arrived with a fresh parser, then reports.
    void requestComplete();
    virtual TAVODataParserPtr createParser() { return nullptr; }
    virtual void parseData() {}
    virtual void parseNewData(const TAVODataParserPtr&) {}

    void requestSucceesfully(const ns::Value& result);
    void requestFailed(const ns::ErrorPtr& error);
    void requestFailedWithTAVOError(const TAVOErrorPtr& error);

    std::string className() const override { return "TAVODataRequest"; }

protected:
    TAVODataRequest() : token_(generateToken()) {}

private:
    std::int32_t token_;
    std::weak_ptr<TAVODataRequestDelegate> delegate_;
    ns::Value param_;
    bool isLocal_ = false;
};

using TAVODataRequestPtr = std::shared_ptr<TAVODataRequest>;
