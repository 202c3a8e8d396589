#include "protocol/commands/TAVOFileCommonUtility.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>

#include "platform/foundation/DateFormatter.h"

int TAVOFileCommonUtility::getFileTypeByString(const std::string& type) { return type == "d" ? 0 : 1; }

std::string TAVOFileCommonUtility::getLogoByName(const std::string& name, int fileType) {
    if (fileType == 0) return "file_icon_folder";
    static const std::map<std::string, std::string> byExtension = {
        {"jpg", "file_icon_image"}, {"jpeg", "file_icon_image"}, {"png", "file_icon_image"}, {"gif", "file_icon_image"},
        {"bmp", "file_icon_image"}, {"mp4", "file_icon_video"}, {"mov", "file_icon_video"}, {"avi", "file_icon_video"},
        {"mkv", "file_icon_video"}, {"rmvb", "file_icon_video"}, {"mp3", "file_icon_music"}, {"wav", "file_icon_music"},
        {"aac", "file_icon_music"}, {"flac", "file_icon_music"}, {"txt", "file_icon_text"}, {"doc", "file_icon_doc"},
        {"docx", "file_icon_doc"}, {"xls", "file_icon_xls"}, {"xlsx", "file_icon_xls"}, {"ppt", "file_icon_ppt"},
        {"pptx", "file_icon_ppt"}, {"pdf", "file_icon_pdf"}, {"zip", "file_icon_zip"}, {"rar", "file_icon_zip"},
        {"7z", "file_icon_zip"}, {"apk", "file_icon_apk"},
    };
    const auto dot = name.rfind('.');
    if (dot == std::string::npos) return "file_icon_unknown";
    std::string extension = name.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    auto it = byExtension.find(extension);
    return it == byExtension.end() ? "file_icon_unknown" : it->second;
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
