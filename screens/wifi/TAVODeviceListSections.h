// The connected devices sorted into the device list's three lists, and
// which list each table section shows.
//
// Sections are the non-empty lists in the order unfamiliar, family, guest,
// so every device has a row even when the family list is empty; row taps,
// swipe buttons and the section headers all read this one mapping.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Value.h"
#include "protocol/records/TAVORouterJoiningDevice.h"

class TAVODeviceListSections {
public:
    enum class Kind { Unfamiliar, Family, Guest };
    using List = std::vector<TAVORouterJoiningDevicePtr>;

    // Sorts a reply's devices (an array of device records, or nil) in reply
    // order: new devices that are not the phone are unfamiliar, wired ones
    // family, Wi-Fi ones off the router's own bands guests, the rest family
    // with the phone's own record moved to the top.
    static TAVODeviceListSections seperateFamilyAndGuestList(const ns::Value& devices,
                                                             const std::string& phoneAddress);

    List needAllowList;
    List devicesList;
    List guestsList;

    bool isEmpty() const { return needAllowList.empty() && devicesList.empty() && guestsList.empty(); }
    // At least 1 (the blank row's section when every list is empty).
    long numberOfSections() const;
    // The list a section shows; nothing for a section beyond them.
    std::optional<Kind> kindOfSection(long section) const;
    const List& listOf(Kind kind) const;
    // The record at a row, or null for a row beyond its list.
    TAVORouterJoiningDevicePtr deviceAt(long section, long row) const;
    // Takes every record equal to the device out of all three lists.
    void removeDevice(const TAVORouterJoiningDevice& device);

private:
    std::vector<Kind> shownKinds() const;
};
