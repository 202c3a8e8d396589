// The root of the screen classes: it picks the interface file that suits
// the screen, "<class name>-568h" on the 568-point-high screen when that
// file exists, else the name it was given.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/ViewController.h"

class TAVOXibBaseViewController : public ui::ViewController {
public:
    using ui::ViewController::ViewController;

    static constexpr const char* kTallScreenSuffix = "-568h";
    static constexpr double kTallScreenHeight = 568;

    void initWithNibName(const std::string& nibName) override;
    // The interface file chosen for a class and the name given.
    static std::string nibNameFor(const std::string& className, const std::string& givenName);
};
