// Views laid out in an interface file of their own, named after the view's
// class: the tall-screen variant ("<name>-568h") where the screen is 568
// points high and that file exists, else the plain one.
#pragma once

#include <memory>
#include <string>
#include <typeinfo>
#include <vector>

#include "platform/foundation/Object.h"

class CustomViewFromNib {
public:
    CustomViewFromNib() = delete;

    static constexpr const char* kTallScreenSuffix = "-568h";
    static constexpr double kTallScreenHeight = 568;

    // The interface file's name chosen for the class name, or "" when
    // neither file exists.
    static std::string nibNameForClassName(const std::string& className);
    // The file's top-level objects (owner none); empty when there is none.
    static std::vector<ns::ObjectPtr> loadTopLevelObjects(const std::string& className);

    // The first top-level object of the file named after the class that is
    // a View, or nullptr.
    template <class View>
    static std::shared_ptr<View> customViewFromNib(const std::string& className) {
        for (const auto& object : loadTopLevelObjects(className))
            if (auto view = std::dynamic_pointer_cast<View>(object)) return view;
        return nullptr;
    }
    // The same with the class name of View itself.
    template <class View>
    static std::shared_ptr<View> customViewFromNib() {
        return customViewFromNib<View>(ns::demangledClassName(typeid(View)));
    }
};
