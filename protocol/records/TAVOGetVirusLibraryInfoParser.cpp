#include "protocol/records/TAVOGetVirusLibraryInfoParser.h"

#include "protocol/records/TAVOReplyReader.h"

namespace R = TAVOReplyReader;

bool TAVOGetVirusLibraryInfoParser::parserVData(const ns::Value& vdata) {
    if (vdata.isDictionary()) dataInfo = vdata;
    return true;
}
