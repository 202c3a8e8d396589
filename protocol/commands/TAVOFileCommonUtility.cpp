#include "protocol/commands/TAVOFileCommonUtility.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/StringPaths.h"

#include "platform/foundation/DateFormatter.h"
#include "platform/foundation/Format.h"

int TAVOFileCommonUtility::getFileTypeByString(const std::string& type) { return type == "d" ? 0 : 1; }

std::string TAVOFileCommonUtility::getLogoByName(const std::string& name, int fileType) {
    if (fileType == 0) return "ic_type_folder";
    if (fileType != 1) return "ic_type_unknow";
    std::string extension = ns::str::pathExtension(name);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension.empty()) return "ic_type_unknown";
    if (ns::Bundle::mainBundle()->pathForResource("ft_" + extension + "@2x", "png").empty()) return "ic_type_unknown";
    return "ft_" + extension;
}

std::string TAVOFileCommonUtility::getFileSizeString(float bytes) {
    char text[64];
    if (bytes > 1073741824.0f)
        std::snprintf(text, sizeof text, "%.1fGB", static_cast<double>(bytes) / 1073741824.0);
    else if (bytes >= 1048576.0f)
        std::snprintf(text, sizeof text, "%.1fMB", static_cast<double>(bytes) / 1048576.0);
    else
        std::snprintf(text, sizeof text, "%.1fKB", static_cast<double>(bytes) / 1024.0);
    return text;
}

std::string TAVOFileCommonUtility::getFileDateStringByDate(ns::Date date) {
    auto formatter = ns::DateFormatter::create();
    formatter->setLocaleIdentifier("en_US");
    formatter->setDateFormat("yyyy-MM-dd HH:mm");
    return formatter->stringFromDate(date);
}

void TAVOFileCommonUtility::orderFiles(std::vector<TAVOFileInfoPtr>& files) {
    std::stable_sort(files.begin(), files.end(),
                     [](const TAVOFileInfoPtr& a, const TAVOFileInfoPtr& b) { return a->timestamp > b->timestamp; });
}

namespace {

// The integer at the start of a text: its leading digits, 0 without any.
int leadingInteger(const std::string& text) {
    long long value = 0;
    std::size_t i = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 100000000) {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    return static_cast<int>(value);
}

}  // namespace

void TAVOFileCommonUtility::reDefinationNames(const std::vector<TAVOFileInfoPtr>& newItems,
                                              const std::vector<TAVOFileInfoPtr>& allItems) {
    std::vector<TAVOFileInfoPtr> existing(allItems.begin(), allItems.end());
    for (const auto& item : newItems) {
        if (!item) continue;
        const std::string base = ns::str::deletingPathExtension(item->fileName);
        const std::string ext = ns::str::pathExtension(item->fileName);
        int highest = 0;
        for (const auto& other : existing) {
            if (!other || other == item) continue;
            const std::string otherBase = ns::str::deletingPathExtension(other->fileName);
            if (otherBase.find(base) == std::string::npos) continue;
            if (base.size() + 1 < otherBase.size()) highest = std::max(highest, leadingInteger(otherBase.substr(base.size() + 1)));
            item->fileName = ns::format("%s-%d.%s", base.c_str(), highest + 1, ext.c_str());
        }
        existing.push_back(item);
    }
}

double TAVOFileCommonUtility::getTotalDiskSpaceInBytes() {
    std::error_code error;
    const auto space = std::filesystem::space(ns::homeDirectory(), error);
    return error ? 0 : static_cast<double>(space.available);
}

bool TAVOFileCommonUtility::isSafeLocalName(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name == ".router") return false;
    return name.find('/') == std::string::npos && name.find('\0') == std::string::npos;
}
