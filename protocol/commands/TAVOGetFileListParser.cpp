#include "protocol/commands/TAVOGetFileListParser.h"

#include "protocol/commands/TAVOFileCommonUtility.h"
#include "protocol/commands/TAVOFileInfo.h"
#include "protocol/records/TAVOReplyReader.h"
#include "protocol/records/TAVOReplyShapeError.h"

namespace R = TAVOReplyReader;

namespace {

std::string textOf(const ns::Value& object, const char* key) {
    const ns::Value& value = R::lookup(object, key);
    if (value.isNil()) return "";
    if (!value.isString()) throw TAVOReplyShapeError(std::string("file list: ") + key + " is not text");
    return value.asString();
}

double numberOf(const ns::Value& object, const char* key) {
    const ns::Value& value = R::lookup(object, key);
    if (value.isNil()) return 0;
    if (!value.isString() && !value.isNumber()) throw TAVOReplyShapeError(std::string("file list: ") + key + " is not a number");
    return value.doubleValue();
}

}  // namespace

ns::Value TAVOGetFileListParser::parseResult(const ns::Value& vdata) {
    auto folder = TAVOFileInfo::create();
    folder->filePath = textOf(vdata, "path");
    folder->filesNum = R::integer(vdata, "length");
    const ns::Value& list = R::lookup(vdata, "filelist");
    if (!list.isArray()) return ns::Value(folder);
    std::vector<TAVOFileInfoPtr> entries;
    for (const auto& element : list.asArray()) {
        R::requireObject(element, "file list entry");
        auto e = TAVOFileInfo::create();
        e->fileName = textOf(element, "name");
        e->fileType = TAVOFileCommonUtility::getFileTypeByString(textOf(element, "type"));
        e->fileLogoUrl = TAVOFileCommonUtility::getLogoByName(e->fileName, e->fileType);
        e->totalLength = numberOf(element, "size");
        e->size = TAVOFileCommonUtility::getFileSizeString(static_cast<float>(e->totalLength));
        e->timestamp = static_cast<std::int64_t>(numberOf(element, "date"));
        e->time = TAVOFileCommonUtility::getFileDateStringByDate(ns::Date::withTimeIntervalSince1970(static_cast<double>(e->timestamp)));
        e->parentPath = folder->filePath;
        e->filePath = folder->filePath + e->fileName;
        e->state = 0;
        e->isBigFile = e->totalLength == 0 && e->timestamp == 0;
        entries.push_back(std::move(e));
    }
    TAVOFileCommonUtility::orderFiles(entries);
    folder->subFiles = std::move(entries);
    return ns::Value(folder);
}
