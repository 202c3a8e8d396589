#include "screens/wifi/TAVODeviceListSections.h"

#include <algorithm>

TAVODeviceListSections TAVODeviceListSections::seperateFamilyAndGuestList(const ns::Value& devices,
                                                                          const std::string& phoneAddress) {
    TAVODeviceListSections sections;
    TAVORouterJoiningDevicePtr phone;
    if (!devices.isArray()) return sections;
    for (const auto& value : devices.asArray()) {
        auto device = value.as<TAVORouterJoiningDevice>();
        if (!device) continue;
        const bool isPhone = device->end_ipv4 == phoneAddress;
        if (device->net_control == 0 && !isPhone) {
            sections.needAllowList.push_back(device);
        } else if (device->is_wifi == 0) {
            sections.devicesList.push_back(device);
        } else if (device->connect_point != 0 && device->connect_point != 2) {
            sections.guestsList.push_back(device);
        } else {
            sections.devicesList.push_back(device);
            if (isPhone) phone = device;
        }
    }
    if (phone) {
        auto& family = sections.devicesList;
        family.erase(std::find(family.begin(), family.end(), phone));
        family.insert(family.begin(), phone);
    }
    return sections;
}

std::vector<TAVODeviceListSections::Kind> TAVODeviceListSections::shownKinds() const {
    std::vector<Kind> kinds;
    if (!needAllowList.empty()) kinds.push_back(Kind::Unfamiliar);
    if (!devicesList.empty()) kinds.push_back(Kind::Family);
    if (!guestsList.empty()) kinds.push_back(Kind::Guest);
    return kinds;
}

long TAVODeviceListSections::numberOfSections() const {
    return std::max<long>(1, static_cast<long>(shownKinds().size()));
}

std::optional<TAVODeviceListSections::Kind> TAVODeviceListSections::kindOfSection(long section) const {
    const auto kinds = shownKinds();
    if (section < 0 || section >= static_cast<long>(kinds.size())) return std::nullopt;
    return kinds[static_cast<std::size_t>(section)];
}

const TAVODeviceListSections::List& TAVODeviceListSections::listOf(Kind kind) const {
    switch (kind) {
        case Kind::Unfamiliar: return needAllowList;
        case Kind::Guest: return guestsList;
        case Kind::Family: break;
    }
    return devicesList;
}

TAVORouterJoiningDevicePtr TAVODeviceListSections::deviceAt(long section, long row) const {
    const auto kind = kindOfSection(section);
    if (!kind || row < 0) return nullptr;
    const List& list = listOf(*kind);
    return row < static_cast<long>(list.size()) ? list[static_cast<std::size_t>(row)] : nullptr;
}

void TAVODeviceListSections::removeDevice(const TAVORouterJoiningDevice& device) {
    for (List* list : {&needAllowList, &devicesList, &guestsList}) {
        List kept;
        for (const auto& d : *list)
            if (!d->isEqual(device)) kept.push_back(d);
        *list = std::move(kept);
    }
}
