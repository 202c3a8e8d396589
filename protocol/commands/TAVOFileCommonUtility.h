// The small helpers the file list needs: entry types, icon names, size and
// date texts, and the newest-first order.
#pragma once

#include <string>
#include <vector>

#include "platform/foundation/Date.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOFileCommonUtility {
public:
    // 0 (a folder) for "d", else 1.
    static int getFileTypeByString(const std::string& type);
    // The folder icon for type 0; for files an icon chosen by extension.
    static std::string getLogoByName(const std::string& name, int fileType);
    // "%.1fGB" above 2^30 bytes, "%.1fMB" from 2^20, else "%.1fKB".
    static std::string getFileSizeString(float bytes);
    // "yyyy-MM-dd HH:mm" in the "en_US" locale.
    static std::string getFileDateStringByDate(ns::Date date);
    // Newest timestamp first; equal timestamps keep their order.
    static void orderFiles(std::vector<TAVOFileInfoPtr>& files);
};
