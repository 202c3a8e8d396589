#include "core/app/TAVOImageGetter.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/Image.h"

std::shared_ptr<TAVOImageGetter> TAVOImageGetter::shareInstance() { return ns::Singleton<TAVOImageGetter>::get(); }

std::shared_ptr<TAVOImageGetter> TAVOImageGetter::create() {
    auto getter = std::shared_ptr<TAVOImageGetter>(new TAVOImageGetter());
    std::string path = ns::Bundle::mainBundle()->pathForResource("devicematchment", "plist");
    if (!path.empty()) {
        if (auto data = ns::dataWithContentsOfFile(path)) {
            ns::Value table = ns::PropertyListSerialization::propertyListWithData(*data);
            if (table.isArray()) getter->deviceMathmentArray_ = table.asArray();
        }
    }
    return getter;
}

TAVOImageGetter::ImagePtr TAVOImageGetter::imageForChannelQualityLevel(int level) {
    if (level < 1 || level > 5) return nullptr;
    static const char* const kNames[] = {"home_wifi04", "home_wifi03", "home_wifi02", "home_wifi01", "home_wifi00"};
    return ui::Image::imageNamed(kNames[level - 1]);
}

TAVOImageGetter::ImagePtr TAVOImageGetter::imageForBreakdownError(int code) {
    const char* name = "home_yichang_ic_03";
    if (code == 2 || code == 3)
        name = "home_yichang_ic_01";
    else if (code == 6 || code == 7)
        name = "home_yichang_ic_02";
    else if (code >= 646 && code <= 649)
        name = "home_yichang_ic_04";
    else if (code == 691)
        name = "home_yichang_ic_05";
    return ui::Image::imageNamed(name);
}

TAVOImageGetter::ImagePtr TAVOImageGetter::getDeviceIconByType(int type, bool enabled) {
    static const char* const kBases[] = {"device_icon_phone", "device_icon_pad", "device_icon_pc"};
    if (type < 0 || type > 2) return nullptr;
    return ui::Image::imageNamed(std::string(kBases[type]) + (enabled ? "" : "_gray"));
}

TAVOImageGetter::ImagePtr TAVOImageGetter::getDeviceModelIconById(int modelId) {
    // Only the one model the table was made for has an icon of its own.
    if (modelId == 1001) {
        for (const ns::Value& entry : shareInstance()->deviceMathmentArray()) {
            if (!entry.isDictionary() || entry["device_model_id"].intValue() != 1001) continue;
            if (auto image = ui::Image::imageNamed(entry["device_icon"].stringValue())) return image;
            break;
        }
    }
    return ui::Image::imageNamed("device_icon_phone");
}

std::string TAVOImageGetter::getShowNameFromDevice(const TAVODeviceNameFields& device) {
    if (!device.alias.empty()) return device.alias;
    const int type = device.end_type_id;
    if (type == 1 || type == 1001 || type == 2001) return device.end_name;
    if (type != 0) return device.end_type;
    return device.end_type.empty() ? device.end_name : device.end_type;
}
