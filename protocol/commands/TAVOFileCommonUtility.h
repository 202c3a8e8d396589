// The helpers every part of the file manager uses to turn raw facts about a
// file into what the lists show and store: entry types, icon names, size and
// date texts, the newest-first order, renaming of clashing names, the
// phone's free space, and the check that keeps a router's name from
// becoming a path outside the document folder.
#pragma once

#include <string>
#include <vector>

#include "platform/foundation/Date.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOFileCommonUtility {
public:
    // 0 (a folder) for "d", else 1.
    static int getFileTypeByString(const std::string& type);
    // "ic_type_folder" for type 0; for type 1 "ft_<extension>" when the
    // bundle has that icon, else "ic_type_unknown"; "ic_type_unknow" for any
    // other type.
    static std::string getLogoByName(const std::string& name, int fileType);
    // "%.1fGB" above 2^30 bytes, "%.1fMB" from 2^20, else "%.1fKB"
    // (single-precision arithmetic).
    static std::string getFileSizeString(float bytes);
    // "yyyy-MM-dd HH:mm" in the "en_US" locale and the phone's time zone.
    static std::string getFileDateStringByDate(ns::Date date);
    // Newest timestamp first; equal timestamps keep their order.
    static void orderFiles(std::vector<TAVOFileInfoPtr>& files);
    // Gives each new record whose base name occurs in an existing name the
    // name "<base>-<n>.<ext>", n one more than the highest number found
    // after "<base>-" in those names. New records of one call are also
    // compared with the ones renamed before them, so two picked items of
    // one name never share it.
    static void reDefinationNames(const std::vector<TAVOFileInfoPtr>& newItems,
                                  const std::vector<TAVOFileInfoPtr>& allItems);
    // The free space, in bytes, of the file system holding the home folder;
    // 0 when it cannot be read.
    static double getTotalDiskSpaceInBytes();
    // Whether a name the router gave may name a file directly inside the
    // document folder: not empty, ".", "..", ".router", and without "/".
    static bool isSafeLocalName(const std::string& name);
};
