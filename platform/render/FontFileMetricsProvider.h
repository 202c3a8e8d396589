// The interface kit's font measurements taken from the bundled font files
// (the same numbers the drawing layer draws text with). Renderers install
// it while they draw; layout tests keep the kit's deterministic metrics.
#pragma once

#include "platform/ui/FontMetricsProvider.h"

namespace cg {

class FontFileMetricsProvider : public ui::FontMetricsProvider {
public:
    double ascender(const ui::FontDescriptor& font) const override;
    double descender(const ui::FontDescriptor& font) const override;
    double lineHeight(const ui::FontDescriptor& font) const override;
    double widthOfText(const ui::FontDescriptor& font, const std::string& text) const override;
};

// Installs the font-file metrics for its lifetime (then puts back what was there).
class FontFileMetricsScope {
public:
    FontFileMetricsScope();
    ~FontFileMetricsScope();
    FontFileMetricsScope(const FontFileMetricsScope&) = delete;
    FontFileMetricsScope& operator=(const FontFileMetricsScope&) = delete;

private:
    std::shared_ptr<const ui::FontMetricsProvider> previous_;
};

}  // namespace cg
