#include "widgets/TAVOXibBaseViewController.h"

#include "platform/ui/NibRegistry.h"
#include "platform/ui/Screen.h"

std::string TAVOXibBaseViewController::nibNameFor(const std::string& className, const std::string& givenName) {
    const std::string tall = className + kTallScreenSuffix;
    if (ui::Screen::mainScreen()->bounds().size.height == kTallScreenHeight && ui::NibRegistry::hasNib(tall))
        return tall;
    return givenName;
}

void TAVOXibBaseViewController::initWithNibName(const std::string& nibName) {
    ui::ViewController::initWithNibName(nibNameFor(className(), nibName));
}
