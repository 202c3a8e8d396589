// One command for the router: its dotted name (the local channel sends it as
// "cmd"), its path below the cloud base URL, extra header fields and its own
// body pairs. The concrete commands compute their body (and the transfer
// commands their headers) from typed properties on every read.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOCommand : public ns::Object {
public:
    static std::shared_ptr<TAVOCommand> create() { return std::shared_ptr<TAVOCommand>(new TAVOCommand()); }

    const std::string& cmd() const { return cmd_; }
    void setCmd(std::string cmd) { cmd_ = std::move(cmd); }
    const std::string& url() const { return url_; }
    void setUrl(std::string url) { url_ = std::move(url); }
    virtual ns::Dictionary headers() const { return headers_; }
    void setHeaders(ns::Dictionary headers) { headers_ = std::move(headers); }
    virtual ns::Dictionary bodys() const { return bodys_; }
    void setBodys(ns::Dictionary bodys) { bodys_ = std::move(bodys); }

    std::string className() const override { return "TAVOCommand"; }

protected:
    TAVOCommand() = default;
    TAVOCommand(std::string cmd, std::string url) : cmd_(std::move(cmd)), url_(std::move(url)) {}

private:
    std::string cmd_;
    std::string url_;
    ns::Dictionary headers_;
    ns::Dictionary bodys_;
};

using TAVOCommandPtr = std::shared_ptr<TAVOCommand>;
