#include "platform/foundation/UserDefaults.h"

#include <filesystem>

#include "platform/foundation/FileData.h"
#include "platform/foundation/Log.h"
#include "platform/foundation/PropertyListSerialization.h"
#include "platform/foundation/Sandbox.h"
#include "platform/foundation/Singleton.h"

namespace ns {

namespace {
constexpr const char* kDefaultsFileName = "Keelbox.plist";
}

std::shared_ptr<UserDefaults> UserDefaults::standardUserDefaults() { return Singleton<UserDefaults>::get(); }

std::shared_ptr<UserDefaults> UserDefaults::create() {
    return createWithPath(preferencesDirectory() + "/" + kDefaultsFileName);
}

std::shared_ptr<UserDefaults> UserDefaults::createWithPath(std::string path) {
    std::shared_ptr<UserDefaults> defaults(new UserDefaults(std::move(path)));
    defaults->load();
    return defaults;
}

void UserDefaults::load() {
    ErrorPtr error;
    auto data = dataWithContentsOfFile(path_, &error);
    if (!data) return;  // no file yet: an empty store
    Value plist = PropertyListSerialization::propertyListWithData(*data);
    if (!plist.isDictionary()) {
        logWarning("User defaults file " + path_ + " is damaged; starting with empty defaults");
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    values_ = plist.asDictionary();
}

Value UserDefaults::objectForKey(const std::string& key) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return values_[key];
}

std::optional<std::string> UserDefaults::stringForKey(const std::string& key) const {
    Value v = objectForKey(key);
    if (v.isString()) return v.asString();
    if (v.isNumber()) return v.stringValue();
    return std::nullopt;
}

std::optional<Data> UserDefaults::dataForKey(const std::string& key) const {
    Value v = objectForKey(key);
    if (v.isData()) return v.asData();
    return std::nullopt;
}

std::int64_t UserDefaults::integerForKey(const std::string& key) const { return objectForKey(key).integerValue(); }
double UserDefaults::doubleForKey(const std::string& key) const { return objectForKey(key).doubleValue(); }
bool UserDefaults::boolForKey(const std::string& key) const { return objectForKey(key).boolValue(); }

void UserDefaults::setObject(const Value& value, const std::string& key) {
    if (value.isNil()) {
        removeObjectForKey(key);
        return;
    }
    if (!PropertyListSerialization::propertyListIsValid(value)) {
        logWarning("User defaults refuse a value that is not a property list for key \"" + key + "\"");
        return;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    values_.set(key, value);
    dirty_ = true;
    writeLocked();
}

void UserDefaults::removeObjectForKey(const std::string& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!values_.remove(key)) return;
    dirty_ = true;
    writeLocked();
}

bool UserDefaults::synchronize() {
    std::lock_guard<std::mutex> lock(mutex_);
    return !dirty_ || writeLocked();
}

Dictionary UserDefaults::dictionaryRepresentation() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return values_;
}

bool UserDefaults::writeLocked() {
    // The folder may have gone (a cleared sandbox); bring it back.
    std::error_code ignored;
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path(), ignored);
    auto data = PropertyListSerialization::dataWithPropertyList(Value(values_));
    ErrorPtr error;
    if (!data || !writeDataToFile(*data, path_, true, &error)) {
        // Kept in memory and marked dirty: the next change or synchronize retries.
        logWarning("User defaults could not be written to " + path_ + (error ? ": " + error->localizedDescription() : ""));
        return false;
    }
    dirty_ = false;
    return true;
}

}  // namespace ns
