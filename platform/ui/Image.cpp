#include "platform/ui/Image.h"

#include <map>
#include <mutex>
#include <sstream>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/ResourceLookupLog.h"
#include "platform/foundation/Singleton.h"
#include "platform/ui/JPEGDecoder.h"
#include "platform/ui/Screen.h"

namespace ui {

namespace {

struct NamedCache {
    std::mutex mutex;
    std::map<std::string, ImagePtr> images;
};
NamedCache& cache() {
    static NamedCache* c = [] {
        auto* made = new NamedCache();
        ns::onTestReset([made] {
            std::lock_guard<std::mutex> lock(made->mutex);
            made->images.clear();
        });
        return made;
    }();
    return *c;
}

bool hasExtension(const std::string& name) {
    auto slash = name.rfind('/');
    auto dot = name.rfind('.');
    return dot != std::string::npos && (slash == std::string::npos || dot > slash) && dot + 1 < name.size();
}

ImagePtr load(const std::string& path, double scale) {
    if (path.empty()) return nullptr;
    auto data = ns::dataWithContentsOfFile(path);
    if (!data) return nullptr;
    return Image::imageWithData(*data, scale);
}

}  // namespace

ImagePtr Image::imageWithData(const ns::Data& data, double scale) {
    if (scale <= 0) scale = 1;
    cg::ImagePtr bitmap;
    if (looksLikeJPEG(data))
        bitmap = decodeJPEG(data, scale);
    else
        bitmap = cg::Image::createWithPNGData(data, scale);
    if (!bitmap) return nullptr;
    return std::make_shared<Image>(bitmap);
}

ImagePtr Image::imageWithCGImage(const cg::ImagePtr& image, double scale) {
    if (!image) return nullptr;
    return std::make_shared<Image>(scale > 0 && scale != image->scale() ? image->withScale(scale) : image);
}

ImagePtr Image::imageWithContentsOfFile(const std::string& path) {
    // "name@2x.ext" files carry scale 2.
    double scale = path.find("@2x.") != std::string::npos ? 2 : 1;
    return load(path, scale);
}

ImagePtr Image::imageNamed(const std::string& name) {
    if (name.empty()) return nullptr;
    {
        std::lock_guard<std::mutex> lock(cache().mutex);
        auto it = cache().images.find(name);
        if (it != cache().images.end()) return it->second;
    }
    auto bundle = ns::Bundle::mainBundle();
    ImagePtr image;
    if (bundle) {
        std::string base = name, ext = "png";
        if (hasExtension(name)) {
            auto dot = name.rfind('.');
            base = name.substr(0, dot);
            ext = name.substr(dot + 1);
        }
        if (Screen::mainScreen()->scale() >= 2 && base.find("@2x") == std::string::npos)
            image = load(bundle->pathForResource(base + "@2x", ext), 2);
        if (!image) image = load(bundle->pathForResource(base, ext), base.find("@2x") != std::string::npos ? 2 : 1);
        if (!image && !hasExtension(name)) image = load(bundle->pathForResource(name, ""), 1);
    }
    if (!image) {
        ns::ResourceLookupLog::recordMissingImage(name);
        return nullptr;
    }
    image->name_ = name;
    std::lock_guard<std::mutex> lock(cache().mutex);
    cache().images[name] = image;
    return image;
}

void Image::clearNamedCache() {
    std::lock_guard<std::mutex> lock(cache().mutex);
    cache().images.clear();
}

cg::Size Image::size() const { return bitmap_->size(); }

ImagePtr Image::resizableImageWithCapInsets(const cg::EdgeInsets& caps, ImageResizingMode mode) const {
    auto copy = std::make_shared<Image>(bitmap_);
    copy->name_ = name_;
    copy->caps_ = caps;
    copy->mode_ = mode;
    copy->leftCap_ = static_cast<long>(caps.left);
    copy->topCap_ = static_cast<long>(caps.top);
    copy->resizable_ = true;
    return copy;
}

ImagePtr Image::stretchableImageWithLeftCapWidth(long leftCapWidth, long topCapHeight) const {
    cg::Size s = size();
    cg::EdgeInsets caps;
    if (leftCapWidth > 0) {
        caps.left = static_cast<double>(leftCapWidth);
        caps.right = std::max(0.0, s.width - caps.left - 1);
    }
    if (topCapHeight > 0) {
        caps.top = static_cast<double>(topCapHeight);
        caps.bottom = std::max(0.0, s.height - caps.top - 1);
    }
    auto copy = resizableImageWithCapInsets(caps, ImageResizingMode::Stretch);
    copy->leftCap_ = leftCapWidth;
    copy->topCap_ = topCapHeight;
    return copy;
}

std::string Image::description() const {
    std::ostringstream out;
    out << "<UIImage: " << static_cast<const void*>(this) << "> size " << cg::StringFromSize(size()) << " scale "
        << scale();
    return out.str();
}

}  // namespace ui
