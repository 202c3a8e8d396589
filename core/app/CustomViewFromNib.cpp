#include "core/app/CustomViewFromNib.h"

#include "platform/ui/NibRegistry.h"
#include "platform/ui/Screen.h"

std::string CustomViewFromNib::nibNameForClassName(const std::string& className) {
    if (className.empty()) return "";
    const std::string tall = className + kTallScreenSuffix;
    if (ui::Screen::mainScreen()->bounds().size.height == kTallScreenHeight && ui::NibRegistry::hasNib(tall)) return tall;
    return ui::NibRegistry::hasNib(className) ? className : "";
}

std::vector<ns::ObjectPtr> CustomViewFromNib::loadTopLevelObjects(const std::string& className) {
    const std::string name = nibNameForClassName(className);
    if (name.empty()) return {};
    return ui::NibRegistry::loadNib(name, nullptr);
}
