// The device list pushed at home, and a finger on its rows: find a device's
// cell by name (scrolled into view), open its swipe buttons with the arrow
// and press one of them by title.
#pragma once

#include <memory>
#include <string>

#include "screens/wifi/TAVODevicesListViewController.h"
#include "tests/screens/wifi/WifiScreenFixture.h"

namespace keelbox::test {

class DeviceListDriver : public WifiScreenFixture {
protected:
    void pushList() {
        list = TAVODevicesListViewController::create();
        app.push(list);
    }
    // Pushed, and its first list shown.
    bool openList() {
        pushList();
        const bool shown = app.screen().waitWhileTimePasses(
            [&] {
                return !list->isFirst() && !list->tableView()->isHidden();
            },
            kAnswerSeconds);
        EXPECT_TRUE(shown) << "the list never came";
        return shown;
    }
    std::optional<ui::IndexPath> rowOf(const std::string& name) {
        const auto& s = list->sections();
        for (long section = 0; section < s.numberOfSections(); ++section)
            for (long row = 0;; ++row) {
                auto device = s.deviceAt(section, row);
                if (!device) break;
                if (device->end_name == name || device->alias == name) return ui::IndexPath{section, row};
            }
        return std::nullopt;
    }
    // The cell that shows the device now, scrolled into view.
    TAVODeviceItemCellPtr deviceCell(const std::string& name) {
        auto ip = rowOf(name);
        if (!ip) return nullptr;
        list->tableView()->scrollToRowAtIndexPath(*ip, ui::TableViewScrollPosition::Middle, false);
        app.screen().wait(0.05);
        list->tableView()->layoutIfNeeded();
        auto cell = std::dynamic_pointer_cast<TAVODeviceItemCell>(list->tableView()->cellForRowAtIndexPath(*ip));
        if (cell) cell->layoutIfNeeded();
        return cell;
    }
    // Opens the device's row with its arrow and presses the swipe button.
    bool pressSwipeButton(const std::string& name, const std::string& title) {
        // A poll's answer reloads the table and closes an open row, so the
        // row is opened again until it is still open when the finger lands.
        TAVODeviceItemCellPtr cell;
        for (int attempt = 0; attempt < 3; ++attempt) {
            cell = deviceCell(name);
            if (!cell) return false;
            if (cell->cellState() == SlideCellState::Right) break;
            if (!app.screen().tap(cell->expendIndicator())) return false;
            app.screen().wait(0.5);
        }
        if (cell->cellState() != SlideCellState::Right) return false;
        auto button = buttonTitled(cell->rightUtilityButtons(), title);
        EXPECT_TRUE(button) << name << " offers no \"" << title << "\"";
        if (!button || !app.screen().tap(button)) return false;
        app.screen().wait(1.0);  // a dialog it raises is up
        return true;
    }

    std::shared_ptr<TAVODevicesListViewController> list;
};

}  // namespace keelbox::test
