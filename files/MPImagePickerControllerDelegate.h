// What the photo and video picker tells its owner, and the result keys of
// one chosen item.
#pragma once

#include <vector>

#include "platform/foundation/Value.h"

class MPImagePickerController;

inline constexpr const char* kMPPickerMediaTypeKey = "UIImagePickerControllerMediaType";
inline constexpr const char* kMPPickerFileURLKey = "pickerfileurl";
inline constexpr const char* kMPPickerFileSizeKey = "pikcerfilesize";
inline constexpr const char* kMPPickerDataNameKey = "pickerdataname";

class MPImagePickerControllerDelegate {
public:
    virtual ~MPImagePickerControllerDelegate() = default;
    // One dictionary per chosen item (the keys above).
    virtual void mpImagePickerControllerDidFinishPickingMediaWithInfo(MPImagePickerController& picker,
                                                                      const std::vector<ns::Dictionary>& info) = 0;
    virtual void mpImagePickerControllerDidCancel(MPImagePickerController& picker) = 0;
};
