#include "protocol/commands/TAVOFileInfo.h"

#include <cmath>

#include "platform/ui/AssetsLibrary.h"

namespace {

std::string textAt(const ns::Dictionary& d, const char* key) {
    const ns::Value& v = d[key];
    return v.isString() ? v.asString() : std::string();
}

// A byte count: whole numbers are stored as integers so they read back exact.
ns::Value byteCount(double bytes) {
    if (std::isfinite(bytes) && bytes == std::floor(bytes) && std::fabs(bytes) < 9.0e15)
        return ns::Value(static_cast<std::int64_t>(bytes));
    return ns::Value(bytes);
}

void setText(ns::Dictionary& d, const char* key, const std::string& text) {
    if (!text.empty()) d.set(key, text);
}

}  // namespace

TAVOFileInfoPtr TAVOFileInfo::initWithDictionary(const ns::Dictionary& d) {
    auto info = create();
    info->parentPath = textAt(d, "parentPath");
    info->filePath = textAt(d, "filePath");
    info->fileName = textAt(d, "fileName");
    info->filesNum = d["filesNum"].isNumber() || d["filesNum"].isString() ? d["filesNum"].intValue() : 0;
    info->fileType = d["fileType"].isNumber() || d["fileType"].isString() ? d["fileType"].intValue() : 0;
    info->fileLogoUrl = textAt(d, "fileLogoUrl");
    info->state = d["state"].isNumber() || d["state"].isString() ? d["state"].intValue() : 0;
    info->time = textAt(d, "time");
    info->sizeLength = d["sizelength"].isNumber() || d["sizelength"].isString() ? d["sizelength"].doubleValue() : 0;
    info->size = textAt(d, "size");
    info->totalLength = d["totalLength"].isNumber() || d["totalLength"].isString() ? d["totalLength"].doubleValue() : 0;
    if (d["subFiles"].isArray()) {
        for (const auto& element : d["subFiles"].asArray())
            if (element.isDictionary()) info->subFiles.push_back(initWithDictionary(element.asDictionary()));
    }
    info->assetURL = textAt(d, "assetURL");
    info->isBigFile = d["isBigFile"].isNumber() || d["isBigFile"].isBool() ? d["isBigFile"].boolValue() : false;
    return info;
}

ns::Dictionary TAVOFileInfo::toNSDictionary() const {
    ns::Dictionary d;
    setText(d, "parentPath", parentPath);
    setText(d, "filePath", filePath);
    setText(d, "fileName", fileName);
    d.set("filesNum", filesNum);
    d.set("fileType", fileType);
    setText(d, "fileLogoUrl", fileLogoUrl);
    d.set("state", state);
    setText(d, "time", time);
    d.set("sizelength", byteCount(sizeLength));
    setText(d, "size", size);
    d.set("totalLength", byteCount(totalLength));
    if (!subFiles.empty()) {
        ns::Array list;
        for (const auto& sub : subFiles) list.push_back(ns::Value(sub->toNSDictionary()));
        d.set("subFiles", ns::Value(std::move(list)));
    }
    setText(d, "assetURL", assetURL);
    d.set("isBigFile", isBigFile);
    return d;
}

TAVOFileInfoPtr TAVOFileInfo::copy() const {
    auto c = create();
    c->parentPath = parentPath;
    c->filePath = filePath;
    c->fileName = fileName;
    c->filesNum = filesNum;
    c->fileType = fileType;
    c->fileLogoUrl = fileLogoUrl;
    c->state = state;
    c->time = time;
    c->size = size;
    for (const auto& sub : subFiles) c->subFiles.push_back(sub->copy());
    c->assetURL = assetURL;
    c->totalLength = totalLength;
    c->isBigFile = isBigFile;
    return c;
}

void TAVOFileInfo::getRangeData(std::uint32_t location, std::uint32_t length,
                                std::function<void(const ns::Data&)> success, std::function<void()> failure) const {
    auto library = ui::AssetsLibrary::create();
    library->assetForURL(
        assetURL,
        [library, location, length, success, failure](const ui::AssetPtr& asset) {
            if (!asset) {
                if (success) success(ns::Data());
                return;
            }
            // One buffer of the asked length (and the platform's extra byte),
            // cut to what was read and handed over without a copy.
            std::vector<std::uint8_t> buffer(static_cast<std::size_t>(length) + 1, 0);
            ns::ErrorPtr error;
            const std::size_t read = asset->defaultRepresentation()->getBytes(buffer.data(), location, length, &error);
            if (error) {
                if (failure) failure();
                return;
            }
            buffer.resize(read);
            if (success) success(ns::Data(std::move(buffer)));
        },
        [library, failure](const ns::ErrorPtr&) {
            if (failure) failure();
        });
}

void TAVOFileInfo::getUploadData(std::function<void(const ns::Data&)> success) {
    auto self = std::static_pointer_cast<TAVOFileInfo>(shared_from_this());
    auto library = ui::AssetsLibrary::create();
    library->assetForURL(
        assetURL,
        [self, library, success = std::move(success)](const ui::AssetPtr& asset) {
            ns::Data bytes;
            if (asset) {
                const auto size = asset->defaultRepresentation()->size();
                std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size) + 1, 0);
                ns::ErrorPtr error;
                buffer.resize(asset->defaultRepresentation()->getBytes(buffer.data(), 0, static_cast<std::size_t>(size), &error));
                bytes = ns::Data(std::move(buffer));
            }
            self->tmpUploadData = bytes;
            if (success) success(bytes);
        },
        [library](const ns::ErrorPtr&) {});
}
