#include "protocol/records/TAVORouterInterceptListParser.h"

#include "protocol/records/TAVOInterceptCollection.h"
#include "protocol/records/TAVOInterceptItem.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVORouterInterceptListParser::parserVData(const ns::Value& vdata) {
    ns::Array items;
    if (vdata.isDictionary() && vdata["list"].isArray())
        for (const auto& element : vdata["list"].asArray()) items.push_back(ns::Value(TAVOInterceptItem::initWithDictionary(element)));
    auto collection = TAVOInterceptCollection::create();
    if (!items.empty()) collection->interceptList = ns::Value(std::move(items));
    collection->lastCleanTime = R::text(vdata, "clean_ts");
    dataInfo = ns::Value(collection);
    return true;
}
