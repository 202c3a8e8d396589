#include "protocol/records/TAVODiagnoseFixParser.h"

#include "protocol/records/TAVODGBaseDiagnoseItem.h"
#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVODiagnoseFixParser::parserVData(const ns::Value& vdata) {
    ns::Array items;
    if (vdata.isDictionary()) items.push_back(ns::Value(TAVODGBaseDiagnoseItem::initWithDictionary(vdata)));
    dataInfo = ns::Value(std::move(items));
    return true;
}
