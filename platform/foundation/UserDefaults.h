// ns::UserDefaults: the platform's user-defaults store for the application's
// own domain.
//
// The values live in memory and in one XML property list,
// <home>/Library/Preferences/Keelbox.plist. Every change is written through
// at once with an atomic replace (temporary file, flush, rename), so the
// file always holds either the previous or the new complete set and nothing
// is lost when the process ends without a synchronize. synchronize() retries
// a write that failed earlier and reports whether the file is up to date.
//
// A missing, damaged or truncated file reads as an empty store (with a
// warning); it is replaced by the next change. Only property-list values are
// stored (strings, numbers, booleans, data, dates, arrays, dictionaries);
// others are refused with a warning, as the platform refuses them.
// Every method is safe to call from any thread.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"

namespace ns {

class UserDefaults : public Object {
public:
    // The shared store of the current sandbox home (reset between tests).
    static std::shared_ptr<UserDefaults> standardUserDefaults();
    // A store over the file of the current sandbox home, read now.
    static std::shared_ptr<UserDefaults> create();
    // A store over a given file (tests, tools).
    static std::shared_ptr<UserDefaults> createWithPath(std::string path);

    // Nil when absent.
    Value objectForKey(const std::string& key) const;
    // A string, or a number's text; nothing otherwise.
    std::optional<std::string> stringForKey(const std::string& key) const;
    std::optional<Data> dataForKey(const std::string& key) const;
    // The platform's conversions: numbers and numeric text convert; absent is 0 / NO.
    std::int64_t integerForKey(const std::string& key) const;
    double doubleForKey(const std::string& key) const;
    float floatForKey(const std::string& key) const { return static_cast<float>(doubleForKey(key)); }
    bool boolForKey(const std::string& key) const;

    // Setting nil removes the key.
    void setObject(const Value& value, const std::string& key);
    void setInteger(std::int64_t value, const std::string& key) { setObject(Value(value), key); }
    void setDouble(double value, const std::string& key) { setObject(Value(value), key); }
    void setFloat(float value, const std::string& key) { setObject(Value(value), key); }
    void setBool(bool value, const std::string& key) { setObject(Value(value), key); }
    void removeObjectForKey(const std::string& key);

    // Writes any change not yet on disk; true when the file is up to date.
    bool synchronize();

    Dictionary dictionaryRepresentation() const;
    const std::string& path() const { return path_; }

protected:
    explicit UserDefaults(std::string path) : path_(std::move(path)) {}

private:
    void load();
    bool writeLocked();  // mutex_ held

    const std::string path_;
    mutable std::mutex mutex_;
    Dictionary values_;
    bool dirty_ = false;
};

}  // namespace ns
