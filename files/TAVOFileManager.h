// Keeps the paused and failed transfers between runs and reads the phone's
// side of the file manager. Transfer records live in the user defaults as
// JSON lists, one list per kind ("stop" paused, "fail" failed), direction
// ("upload", "download") and folder (the router folder of an upload, the
// literal "Documents" for downloads); downloads land as plain files in the
// document folder, whose ".router" entry (the program's own data) is never
// listed or deleted. The object holds no state of its own.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "protocol/commands/TAVOFileInfo.h"

class TAVOFileManager : public ns::Object {
public:
    enum Kind : int { Stop = 0, Fail = 1 };
    enum Action : int { Upload = 0, Download = 1 };
    static constexpr const char* kDownloadsPath = "Documents";
    static constexpr const char* kProgramFolder = ".router";

    static std::shared_ptr<TAVOFileManager> sharedInstance();

    // "<kind>-<direction>-<path>", or none for an unknown kind or direction.
    std::optional<std::string> getKeyOfType(int type, int action, const std::string& path) const;
    // Fresh records read from the stored list; empty when nothing usable is stored.
    std::vector<TAVOFileInfoPtr> getFileInfosOfType(int type, int action, const std::string& path) const;
    // Appends the record to the stored list (duplicates included).
    void saveFileInfo(const TAVOFileInfoPtr& info, int type, int action, const std::string& path);
    // Removes every stored record of the record's name.
    void deleteFileInfo(const TAVOFileInfoPtr& info, int type, int action, const std::string& path);

    // The document folder's entries (".router" left out), newest first, as
    // completed records.
    std::vector<TAVOFileInfoPtr> getAllLocalFiles() const;
    // The document folder, and the path there of a name (none for a name
    // that is not a plain file name; see TAVOFileCommonUtility::isSafeLocalName).
    static std::string documentsFolder();
    static std::optional<std::string> localPathForName(const std::string& name);
    // Removes the item of the record's name from the document folder; true
    // when it was removed. Never touches anything but a plain name there.
    bool deleteFile(const TAVOFileInfoPtr& info);

    std::string className() const override { return "TAVOFileManager"; }

private:
    TAVOFileManager() = default;
    void writeList(const std::string& key, const std::vector<TAVOFileInfoPtr>& list);
};

using TAVOFileManagerPtr = std::shared_ptr<TAVOFileManager>;
