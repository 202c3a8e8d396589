// A two-colour gradient, diagonal from the top-left corner or top to
// bottom, whose colours change with a one-second cross-fade. The colour
// setters only store: the gradient takes them at the next change.
#pragma once

#include <functional>
#include <memory>

#include "platform/ui/Color.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/View.h"

class TAVOGradientView : public ui::View {
public:
    using View::View;
    static std::shared_ptr<TAVOGradientView> create(const cg::Rect& frame = {}) {
        return make<TAVOGradientView>(frame);
    }

    static constexpr double kChangeDuration = 1.0;
    static constexpr const char* kColorsAnimationKey = "animateColors";

    // Both colours at once; animated over kChangeDuration, the layer takes
    // the new colours (and the completion runs) when the cross-fade ends,
    // unless a newer change came first; otherwise at once.
    void changeTopLeftColor(const ui::Color& topLeft, const ui::Color& bottomRight, bool animated,
                            std::function<void()> completion = nullptr);

    // Clear while unset.
    ui::Color colorTopLeft() const { return colorTopLeft_.value_or(ui::Color::clearColor()); }
    void setColorTopLeft(const ui::Color& color) { colorTopLeft_ = color; }
    ui::Color colorBottomRight() const { return colorBottomRight_.value_or(ui::Color::clearColor()); }
    void setColorBottomRight(const ui::Color& color) { colorBottomRight_ = color; }
    bool topToBottom() const { return topToBottom_; }
    void setTopToBottom(bool on) { topToBottom_ = on; }

    std::shared_ptr<ca::GradientLayer> gradientLayer() const;
    // Where the diagonal gradient ends, in unit coordinates, for a size.
    static cg::Point diagonalEndPoint(cg::Size size);

protected:
    ca::LayerPtr makeLayer() const override { return ca::GradientLayer::create(); }

private:
    ui::OptionalColor colorTopLeft_;
    ui::OptionalColor colorBottomRight_;
    bool topToBottom_ = false;
};

using TAVOGradientViewPtr = std::shared_ptr<TAVOGradientView>;
