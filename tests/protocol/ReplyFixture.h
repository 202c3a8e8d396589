// Runs a reply parser over a reply body the way a request does, so record
// tests can state their fixtures as JSON text.
#pragma once

#include <exception>
#include <memory>
#include <string>

#include "net/json/TinyJson.h"
#include "protocol/requests/TAVOHttpDataParser.h"

namespace keelbox::test {

struct ParseOutcome {
    ns::Value dataInfo;
    TAVOErrorPtr errorInfo;
    bool shapeFailure = false;  // the parser raised: the request reports 300003
    template <class T>
    std::shared_ptr<T> object() const { return dataInfo.as<T>(); }
};

inline ParseOutcome runParser(const std::shared_ptr<TAVODataParser>& parser, const std::string& body) {
    ParseOutcome outcome;
    try {
        parser->parseNewData(ns::Data::fromString(body));
    } catch (const std::exception&) {
        outcome.shapeFailure = true;
    }
    outcome.dataInfo = parser->dataInfo;
    outcome.errorInfo = parser->errorInfo;
    return outcome;
}

// A success envelope around a payload given as JSON text.
inline std::string okReply(const std::string& vdataJson) { return "{\"errcode\":0,\"errdesc\":\"\",\"vdata\":" + vdataJson + "}"; }

template <class P>
ParseOutcome parseVData(const std::string& vdataJson, const ns::Value& param = {}) {
    auto parser = P::create();
    parser->param = param;
    return runParser(parser, okReply(vdataJson));
}

}  // namespace keelbox::test
