// Creating objects by class name (request classes, parsers, screens).
//
// Each family of classes has its own registry, keyed by the base type. A
// module registers its classes from one explicit registration function that
// its entry point calls before first use (static registrars in a static
// library would be dropped by the linker). Unknown names create nothing.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace ns {

template <class Base>
class ClassRegistry {
public:
    using Factory = std::function<std::shared_ptr<Base>()>;

    // Registers (or replaces) the factory for a class name.
    static void registerClass(const std::string& name, Factory factory) {
        std::lock_guard<std::mutex> lock(mutex());
        table()[name] = std::move(factory);
    }
    // Registers a class that has a static create() without arguments.
    template <class T>
    static void registerClass(const std::string& name) {
        registerClass(name, [] { return std::static_pointer_cast<Base>(T::create()); });
    }
    static void unregisterClass(const std::string& name) {
        std::lock_guard<std::mutex> lock(mutex());
        table().erase(name);
    }
    static bool isRegistered(const std::string& name) {
        std::lock_guard<std::mutex> lock(mutex());
        return table().count(name) != 0;
    }
    // A new object of the named class, or nullptr when the name is unknown.
    static std::shared_ptr<Base> create(const std::string& name) {
        Factory factory;
        {
            std::lock_guard<std::mutex> lock(mutex());
            auto it = table().find(name);
            if (it == table().end()) return nullptr;
            factory = it->second;
        }
        return factory();
    }
    static std::vector<std::string> registeredNames() {
        std::lock_guard<std::mutex> lock(mutex());
        std::vector<std::string> names;
        for (const auto& [name, factory] : table()) names.push_back(name);
        return names;
    }

private:
    static std::mutex& mutex() {
        static std::mutex m;
        return m;
    }
    static std::map<std::string, Factory>& table() {
        static std::map<std::string, Factory> t;
        return t;
    }
};

}  // namespace ns
