#include "protocol/records/TAVORouterDiagnoseParser.h"

#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVORouterDiagnoseParser::parserVData(const ns::Value& vdata) {
    ns::Array items;
    if (vdata.isArray()) {
        const std::string key = "t" + param["tbit"].stringValue();
        for (const auto& element : vdata.asArray()) {
            auto item = TAVODGBaseDiagnoseItem::initWithDictionary(R::lookup(element, key));
            // The id is the numeric value of the key text, which starts with "t".
            item->optId = ns::Value(key).intValue();
            items.push_back(ns::Value(item));
        }
    } else if (vdata.isDictionary()) {
        items.push_back(ns::Value(TAVODGBaseDiagnoseItem::initWithDictionary(vdata)));
    }
    dataInfo = ns::Value(std::move(items));
    return true;
}
