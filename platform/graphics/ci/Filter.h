// An image filter chosen by name, set up through keyed input values and
// read through its output image, as the platform's filters are. Only the
// filters this system uses exist; any other name gives no filter.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/foundation/Object.h"
#include "platform/foundation/Value.h"
#include "platform/graphics/ci/Image.h"

namespace ci {

inline constexpr const char* InputImageKey = "inputImage";
inline constexpr const char* InputRadiusKey = "inputRadius";

class Filter : public ns::Object {
public:
    // A new filter with its default inputs; null for an unknown name.
    static std::shared_ptr<Filter> filterWithName(const std::string& name);

    const std::string& name() const { return name_; }
    // Images are passed as object values holding a ci::Image.
    void setValue(const ns::Value& value, const std::string& key);
    ns::Value valueForKey(const std::string& key) const;
    // Null while the input image is missing.
    virtual ImagePtr outputImage() const = 0;

protected:
    explicit Filter(std::string name) : name_(std::move(name)) {}
    ImagePtr inputImage() const { return valueForKey(InputImageKey).as<Image>(); }

private:
    std::string name_;
    std::map<std::string, ns::Value> inputs_;
};

using FilterPtr = std::shared_ptr<Filter>;

}  // namespace ci
