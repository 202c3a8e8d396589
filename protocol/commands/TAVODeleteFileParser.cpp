#include "protocol/commands/TAVODeleteFileParser.h"

#include "protocol/records/TAVOReplyReader.h"

ns::Value TAVODeleteFileParser::parseResult(const ns::Value& vdata) { return ns::Value(TAVOReplyReader::integer(vdata, "result")); }
