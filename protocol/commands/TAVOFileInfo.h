// The file manager's one record: a folder of the router's USB disk with its
// entries, one entry of such a listing, a file in the phone's document
// folder, a file waiting for or in upload or download, and a paused or
// failed transfer kept between runs.
//
// Byte counts are doubles: exact for every file size a disk can hold, so the
// transfer arithmetic (chunk ends, range headers) never rounds, while the
// stored form keeps the numbers under their usual keys.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

class TAVOFileInfo : public ns::Object {
public:
    // Transfer states.
    enum State : int {
        Idle = 0,
        Uploading = 1,
        UploadFailed = 2,
        Downloading = 3,
        DownloadFailed = 4,
        Completed = 5,
        Paused = 6,
        Waiting = 7,
    };

    static std::shared_ptr<TAVOFileInfo> create() { return std::shared_ptr<TAVOFileInfo>(new TAVOFileInfo()); }
    // Every stored field read from its key; missing or mistyped keys leave
    // empty text, 0 or false.
    static std::shared_ptr<TAVOFileInfo> initWithDictionary(const ns::Dictionary& dictionary);

    std::string parentPath;  // the holding folder on the router, ending in "/"
    std::string filePath;
    std::string fileName;
    int filesNum = 0;
    int fileType = 0;  // 0 folder, 1 file
    std::string fileLogoUrl;  // an icon image name
    int state = Idle;
    std::int64_t timestamp = 0;  // seconds since 1970, for ordering only
    std::string time;
    double sizeLength = 0;   // bytes done; a phone file's size
    double totalLength = 0;  // bytes in all
    std::string size;
    std::vector<std::shared_ptr<TAVOFileInfo>> subFiles;
    std::optional<ns::Data> tmpUploadData;
    std::string assetURL;  // the photo-library address of an upload's source
    // The router lists a file too large for it to size with size 0 and date 0.
    bool isBigFile = false;
    bool isSelected = false;

    // The stored form (string fields only when set; "subFiles" and
    // "assetURL" only when set).
    ns::Dictionary toNSDictionary() const;
    // A copy for another list: bytes done start at 0 again; timestamp,
    // selection and read bytes are not carried over.
    std::shared_ptr<TAVOFileInfo> copy() const;

    // Reads `length` bytes at `location` of the source asset and calls
    // `success` with the bytes read (fewer at the end, none when the asset
    // has vanished) on a later turn; never called when the library fails:
    // `failure` (when given) is called then, so a reader never waits forever.
    void getRangeData(std::uint32_t location, std::uint32_t length, std::function<void(const ns::Data&)> success,
                      std::function<void()> failure = nullptr) const;
    // The whole asset, kept in tmpUploadData as well.
    void getUploadData(std::function<void(const ns::Data&)> success);

    std::string className() const override { return "TAVOFileInfo"; }

protected:
    TAVOFileInfo() = default;
};

using TAVOFileInfoPtr = std::shared_ptr<TAVOFileInfo>;
