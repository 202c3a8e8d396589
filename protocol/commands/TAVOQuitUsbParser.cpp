#include "protocol/commands/TAVOQuitUsbParser.h"

#include "protocol/records/TAVOReplyReader.h"

ns::Value TAVOQuitUsbParser::parseResult(const ns::Value& vdata) { return ns::Value(TAVOReplyReader::integer(vdata, "status")); }
