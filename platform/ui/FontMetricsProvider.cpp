#include "platform/ui/FontMetricsProvider.h"

#include <cstdint>
#include <mutex>

namespace ui {

namespace {

bool isWide(std::uint32_t cp) {
    return (cp >= 0x1100 && cp <= 0x115F) || (cp >= 0x2E80 && cp <= 0xA4CF) || (cp >= 0xAC00 && cp <= 0xD7A3) ||
           (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFE30 && cp <= 0xFE4F) || (cp >= 0xFF00 && cp <= 0xFF60) ||
           (cp >= 0xFFE0 && cp <= 0xFFE6) || (cp >= 0x20000 && cp <= 0x3FFFD);
}

struct ProviderSlot {
    std::mutex mutex;
    std::shared_ptr<const FontMetricsProvider> provider = std::make_shared<FakeFontMetrics>();
};
ProviderSlot& slot() {
    static ProviderSlot s;
    return s;
}

}  // namespace

double FakeFontMetrics::ascender(const FontDescriptor& f) const { return f.pointSize * 0.8; }
double FakeFontMetrics::descender(const FontDescriptor& f) const { return -f.pointSize * 0.2; }
double FakeFontMetrics::lineHeight(const FontDescriptor& f) const { return f.pointSize * 1.2; }

double FakeFontMetrics::widthOfText(const FontDescriptor& f, const std::string& text) const {
    const double narrow = f.pointSize * (f.bold ? 0.55 : 0.5);
    double width = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        std::uint32_t cp = c;
        std::size_t len = 1;
        if (c >= 0xF0) {
            cp = c & 0x07;
            len = 4;
        } else if (c >= 0xE0) {
            cp = c & 0x0F;
            len = 3;
        } else if (c >= 0xC0) {
            cp = c & 0x1F;
            len = 2;
        }
        if (len > 1) {
            if (i + len > text.size()) len = text.size() - i;  // truncated sequence: one character
            for (std::size_t k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        if (c == '\t')
            width += 4 * narrow;
        else if (c == '\n' || c == '\r')
            ;
        else
            width += isWide(cp) ? f.pointSize : narrow;
        i += len;
    }
    return width;
}

const FontMetricsProvider& fontMetrics() {
    auto& s = slot();
    std::lock_guard<std::mutex> lock(s.mutex);
    return *s.provider;
}

std::shared_ptr<const FontMetricsProvider> setFontMetricsProvider(std::shared_ptr<const FontMetricsProvider> provider) {
    auto& s = slot();
    std::lock_guard<std::mutex> lock(s.mutex);
    auto old = s.provider;
    s.provider = provider ? std::move(provider) : std::make_shared<FakeFontMetrics>();
    return old;
}

}  // namespace ui
