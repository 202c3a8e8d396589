// One intercepted web page: what it was, where, when, and the text for why.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOInterceptItem : public ns::Object {
public:
    static std::shared_ptr<TAVOInterceptItem> create() { return std::shared_ptr<TAVOInterceptItem>(new TAVOInterceptItem()); }
    static std::shared_ptr<TAVOInterceptItem> initWithDictionary(const ns::Value& dictionary);
    // The display text of an intercept type code (unknown codes share one text).
    static std::string getTypeDesc(int code);

    std::string desc;
    std::string url;
    std::string time;
    std::string type;

    std::string className() const override { return "TAVOInterceptItem"; }

protected:
    TAVOInterceptItem() = default;
};
