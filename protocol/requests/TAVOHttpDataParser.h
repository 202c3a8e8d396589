// The reply envelope of every numbered request: {"errcode", "errdesc",
// "vdata"}. Failures become TAVOError records; a successful payload goes to
// parserVData, which the reply parsers override.
#pragma once

#include <memory>
#include <string>

#include "protocol/requests/TAVODataParser.h"

class TAVOHttpDataParser : public TAVODataParser {
public:
    static std::shared_ptr<TAVOHttpDataParser> create() { return std::shared_ptr<TAVOHttpDataParser>(new TAVOHttpDataParser()); }

    // Replies longer than this never succeed.
    static constexpr std::size_t kMaxReplyLength = 102400;

    void parseNewData(const ns::Data& data) override;
    // The router's anti-freeloading block page (HTML instead of JSON) as the
    // error 100007; nothing for any other text.
    TAVOErrorPtr getSpecificHtmlError(const std::string& text) const;
    // The payload of a successful reply. The base keeps it as the result.
    virtual bool parserVData(const ns::Value& vdata);
    // The text for a router error code: the fault table's text for it.
    virtual std::string textForError(int code) const;

    ns::Value param;  // the request's parameters, for parsers that need them

    std::string className() const override { return "TAVOHttpDataParser"; }

    // "psw is wrong, still have N time to try" for a wrong admin password,
    // where vdata's "count" is the number of failed attempts so far.
    static std::string wrongPasswordMessage(const ns::Value& vdata);

protected:
    TAVOHttpDataParser() = default;
};

using TAVOHttpDataParserPtr = std::shared_ptr<TAVOHttpDataParser>;
