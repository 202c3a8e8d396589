// Class-wide appearance defaults (the platform's appearance proxies).
//
// A default is registered for a view class and a property name with a
// setter; it applies to instances of that class and of its subclasses when
// they first enter a window, which for a controller's views is after
// viewDidLoad. Defaults of base classes apply before those of subclasses,
// defaults of one class in the order registered; a property set on the
// instance itself is left alone: the setters that take part name the
// property to View::setProperty, which marks it (View::markExplicitValue)
// even when the value equals the current one.
//
//   ui::Appearance::set<ProgressRing>("trackColor",
//       [](ProgressRing& v) { v.setTrackColor(ui::Color::grayColor()); });
#pragma once

#include <functional>
#include <string>

namespace ui {

class View;

class Appearance {
public:
    template <class T>
    static void set(const std::string& property, std::function<void(T&)> setter) {
        Entry e;
        e.property = property;
        e.apply = [setter](View& v) {
            if (auto* t = dynamic_cast<T*>(&v)) setter(*t);
        };
        e.matches = [](View& v) { return dynamic_cast<T*>(&v) != nullptr; };
        e.throwPointer = [] { throw static_cast<T*>(nullptr); };
        e.catchesPointer = [](const std::function<void()>& thrower) {
            try {
                thrower();
            } catch (T*) {
                return true;
            } catch (...) {
                return false;
            }
            return false;
        };
        add(std::move(e));
    }

    // Applies every matching default to the view (called when the view
    // first enters a window).
    static void applyTo(View& view);
    // True while defaults are being applied (setters then do not mark the
    // property as set on the instance).
    static bool isApplying();
    static void removeAll();

    // Held while a platform class gives a new view its built-in defaults:
    // those are not values set on the instance, so proxies still apply.
    class BuiltInDefaults {
    public:
        BuiltInDefaults();
        ~BuiltInDefaults();
        BuiltInDefaults(const BuiltInDefaults&) = delete;
        BuiltInDefaults& operator=(const BuiltInDefaults&) = delete;

    private:
        bool previous_;
    };

    struct Entry {
        std::string property;
        std::function<void(View&)> apply;
        std::function<bool(View&)> matches;
        std::function<void()> throwPointer;
        std::function<bool(const std::function<void()>&)> catchesPointer;
    };

private:
    static void add(Entry entry);
};

}  // namespace ui
