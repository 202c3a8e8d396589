#include "files/TAVOFileManager.h"

#include "net/json/JetJsonDeserializing.h"
#include "net/json/JetJsonSerializing.h"
#include "platform/foundation/FileManager.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/UserDefaults.h"
#include "protocol/commands/TAVOFileCommonUtility.h"

std::shared_ptr<TAVOFileManager> TAVOFileManager::sharedInstance() {
    // Stateless: one object serves every sandbox, so no reset is needed.
    static const std::shared_ptr<TAVOFileManager> instance(new TAVOFileManager());
    return instance;
}

std::optional<std::string> TAVOFileManager::getKeyOfType(int type, int action, const std::string& path) const {
    const char* kind = type == Stop ? "stop" : type == Fail ? "fail" : nullptr;
    const char* direction = action == Upload ? "upload" : action == Download ? "download" : nullptr;
    if (!kind || !direction) return std::nullopt;
    return std::string(kind) + "-" + direction + "-" + path;
}

std::vector<TAVOFileInfoPtr> TAVOFileManager::getFileInfosOfType(int type, int action, const std::string& path) const {
    std::vector<TAVOFileInfoPtr> out;
    auto key = getKeyOfType(type, action, path);
    if (!key) return out;
    const ns::Value stored = ns::UserDefaults::standardUserDefaults()->objectForKey(*key);
    if (!stored.isString()) return out;
    const ns::Value list = objectFromJSONString(stored.asString());
    if (!list.isArray()) return out;
    for (const auto& element : list.asArray())
        if (element.isDictionary()) out.push_back(TAVOFileInfo::initWithDictionary(element.asDictionary()));
    return out;
}

void TAVOFileManager::writeList(const std::string& key, const std::vector<TAVOFileInfoPtr>& list) {
    ns::Array array;
    for (const auto& info : list) array.push_back(ns::Value(info->toNSDictionary()));
    const ns::Value text = JSONString(ns::Value(std::move(array)));
    auto defaults = ns::UserDefaults::standardUserDefaults();
    defaults->setObject(text.isString() ? text : ns::Value("[]"), key);
    defaults->synchronize();
}

void TAVOFileManager::saveFileInfo(const TAVOFileInfoPtr& info, int type, int action, const std::string& path) {
    auto key = getKeyOfType(type, action, path);
    if (!key || !info) return;
    auto list = getFileInfosOfType(type, action, path);
    list.push_back(info);
    writeList(*key, list);
}

void TAVOFileManager::deleteFileInfo(const TAVOFileInfoPtr& info, int type, int action, const std::string& path) {
    auto key = getKeyOfType(type, action, path);
    if (!key || !info) return;
    auto list = getFileInfosOfType(type, action, path);
    for (auto i = list.size(); i-- > 0;)
        if (list[i]->fileName == info->fileName) list.erase(list.begin() + static_cast<long>(i));
    writeList(*key, list);
}

std::string TAVOFileManager::documentsFolder() { return ns::documentsDirectory(); }

std::optional<std::string> TAVOFileManager::localPathForName(const std::string& name) {
    if (!TAVOFileCommonUtility::isSafeLocalName(name)) return std::nullopt;
    return documentsFolder() + "/" + name;
}

std::vector<TAVOFileInfoPtr> TAVOFileManager::getAllLocalFiles() const {
    std::vector<TAVOFileInfoPtr> out;
    auto files = ns::FileManager::defaultManager();
    const std::string folder = documentsFolder();
    auto names = files->contentsOfDirectoryAtPath(folder);
    if (!names) return out;
    for (const auto& name : *names) {
        if (name == kProgramFolder) continue;
        auto info = TAVOFileInfo::create();
        info->fileName = name;
        info->filePath = folder + "/" + name;
        info->state = TAVOFileInfo::Completed;
        info->fileType = 1;
        if (auto attributes = files->attributesOfItemAtPath(info->filePath)) {
            if ((*attributes)[ns::kFileType].stringValue() == ns::kFileTypeDirectory) info->fileType = 0;
            const ns::Value modified = (*attributes)[ns::kFileModificationDate];
            if (modified.isDate()) {
                info->time = TAVOFileCommonUtility::getFileDateStringByDate(modified.asDate());
                info->timestamp = static_cast<std::int64_t>(modified.asDate().timeIntervalSince1970());
            }
            info->sizeLength = static_cast<double>((*attributes)[ns::kFileSize].unsignedLongLongValue());
        }
        info->size = TAVOFileCommonUtility::getFileSizeString(static_cast<float>(info->sizeLength));
        info->fileLogoUrl = TAVOFileCommonUtility::getLogoByName(name, info->fileType);
        out.push_back(std::move(info));
    }
    TAVOFileCommonUtility::orderFiles(out);
    return out;
}

bool TAVOFileManager::deleteFile(const TAVOFileInfoPtr& info) {
    if (!info) return false;
    auto path = localPathForName(info->fileName);
    if (!path) return false;
    auto files = ns::FileManager::defaultManager();
    if (!files->fileExistsAtPath(*path)) return false;
    return files->removeItemAtPath(*path);
}
