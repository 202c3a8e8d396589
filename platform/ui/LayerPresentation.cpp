#include "platform/ui/LayerPresentation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/graphics/Path.h"
#include "platform/ui/AnimationGroup.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/GradientLayer.h"
#include "platform/ui/KeyframeAnimation.h"
#include "platform/ui/ShapeLayer.h"

namespace ca {

namespace {

using PathPtr = std::shared_ptr<const cg::Path>;

double curve(TimingFunction f, double x) {
    switch (f) {
        // An animation without a curve of its own paces evenly.
        case TimingFunction::Default:
        case TimingFunction::Linear:
            return x;
        case TimingFunction::EaseIn:
            return x * x;
        case TimingFunction::EaseOut:
            return 1 - (1 - x) * (1 - x);
        case TimingFunction::EaseInEaseOut:
            return x * x * (3 - 2 * x);
    }
    return x;
}

// How far (0 .. 1, before the curve) the animation is into its current
// cycle `t` seconds after it began; nullopt when it shows nothing.
std::optional<double> cycleFraction(const Animation& a, double t, double duration) {
    if (!(duration > 0)) return std::nullopt;
    const double local = t * a.speed + a.timeOffset;
    const double cycle = duration * (a.autoreverses ? 2 : 1);
    double active = std::numeric_limits<double>::infinity();
    if (!a.repeatsForever()) active = a.repeatDuration > 0 ? a.repeatDuration : cycle * std::max(a.repeatCount, 1.0);

    double phase;
    if (t < 0) {
        if (a.fillMode != FillMode::Backwards && a.fillMode != FillMode::Both) return std::nullopt;
        phase = 0;
    } else if (local >= active) {
        if (a.fillMode != FillMode::Forwards && a.fillMode != FillMode::Both) return std::nullopt;
        phase = std::fmod(active, cycle);
        if (phase == 0) phase = cycle;
    } else {
        phase = std::fmod(std::max(local, 0.0), cycle);
    }
    double x = (a.autoreverses && phase > duration) ? (cycle - phase) / duration : phase / duration;
    return std::clamp(x, 0.0, 1.0);
}

double mix(double a, double b, double f) { return a + (b - a) * f; }
cg::Point mix(cg::Point a, cg::Point b, double f) { return {mix(a.x, b.x, f), mix(a.y, b.y, f)}; }
ui::Color mix(const ui::Color& a, const ui::Color& b, double f) {
    return ui::Color::rgba(mix(a.red(), b.red(), f), mix(a.green(), b.green(), f), mix(a.blue(), b.blue(), f),
                           mix(a.alpha(), b.alpha(), f));
}
cg::AffineTransform mix(const cg::AffineTransform& a, const cg::AffineTransform& b, double f) {
    return {mix(a.a, b.a, f), mix(a.b, b.b, f), mix(a.c, b.c, f), mix(a.d, b.d, f), mix(a.tx, b.tx, f), mix(a.ty, b.ty, f)};
}

bool sameShape(const cg::Path& a, const cg::Path& b) {
    if (a.elements().size() != b.elements().size()) return false;
    for (std::size_t i = 0; i < a.elements().size(); ++i)
        if (a.elements()[i].type != b.elements()[i].type) return false;
    return true;
}

// A path between two of the same shape. Each arc is laid again with its
// mixed centre, radius and angles; the move or line that leads to an arc's
// start comes with the arc (the path adds it itself).
PathPtr mixPaths(const cg::Path& a, const cg::Path& b, double f) {
    auto out = std::make_shared<cg::Path>();
    const auto& ea = a.elements();
    const auto& eb = b.elements();
    for (std::size_t i = 0; i < ea.size(); ++i) {
        const auto& x = ea[i];
        const auto& y = eb[i];
        const bool leadsToArc = i + 1 < ea.size() && ea[i + 1].type == cg::PathElementType::AddArc;
        switch (x.type) {
            case cg::PathElementType::MoveToPoint:
                if (!leadsToArc) out->moveToPoint(mix(x.points[0], y.points[0], f));
                break;
            case cg::PathElementType::AddLineToPoint:
                if (!leadsToArc) out->addLineToPoint(mix(x.points[0], y.points[0], f));
                break;
            case cg::PathElementType::AddQuadCurveToPoint:
                out->addQuadCurveToPoint(mix(x.points[0], y.points[0], f), mix(x.points[1], y.points[1], f));
                break;
            case cg::PathElementType::AddCurveToPoint:
                out->addCurveToPoint(mix(x.points[0], y.points[0], f), mix(x.points[1], y.points[1], f),
                                     mix(x.points[2], y.points[2], f));
                break;
            case cg::PathElementType::CloseSubpath:
                out->closeSubpath();
                break;
            case cg::PathElementType::AddArc: {
                auto m = mix(x.arc.transform, y.arc.transform, f);
                out->addArc(mix(x.arc.center, y.arc.center, f), mix(x.arc.radius, y.arc.radius, f),
                            mix(x.arc.startAngle, y.arc.startAngle, f), mix(x.arc.endAngle, y.arc.endAngle, f),
                            x.arc.clockwise, &m);
                break;
            }
        }
    }
    return out;
}

// Between two values of one kind; values that cannot be mixed step halfway.
AnimationValue mixValues(const AnimationValue& a, const AnimationValue& b, double f) {
    if (a.index() == b.index()) {
        if (auto* x = std::get_if<double>(&a)) return mix(*x, std::get<double>(b), f);
        if (auto* x = std::get_if<cg::Point>(&a)) return mix(*x, std::get<cg::Point>(b), f);
        if (auto* x = std::get_if<cg::Size>(&a)) {
            const auto& y = std::get<cg::Size>(b);
            return cg::Size{mix(x->width, y.width, f), mix(x->height, y.height, f)};
        }
        if (auto* x = std::get_if<cg::Rect>(&a)) {
            const auto& y = std::get<cg::Rect>(b);
            return cg::RectMake(mix(x->origin.x, y.origin.x, f), mix(x->origin.y, y.origin.y, f),
                                mix(x->size.width, y.size.width, f), mix(x->size.height, y.size.height, f));
        }
        if (auto* x = std::get_if<ui::Color>(&a)) return mix(*x, std::get<ui::Color>(b), f);
        if (auto* x = std::get_if<Transform3D>(&a)) {
            const auto& y = std::get<Transform3D>(b);
            Transform3D t;
            const double* p = &x->m11;
            const double* q = &y.m11;
            double* r = &t.m11;
            for (int i = 0; i < 16; ++i) r[i] = mix(p[i], q[i], f);
            return t;
        }
        if (auto* x = std::get_if<ColorList>(&a)) {
            const auto& y = std::get<ColorList>(b);
            if (x->size() == y.size()) {
                ColorList out;
                for (std::size_t i = 0; i < x->size(); ++i) out.push_back(mix((*x)[i], y[i], f));
                return out;
            }
        }
        if (auto* x = std::get_if<PathPtr>(&a)) {
            const auto& y = std::get<PathPtr>(b);
            if (*x && y && sameShape(**x, *y)) return mixPaths(**x, *y, f);
        }
    }
    return f < 0.5 ? a : b;
}

AnimationValue sumValues(const AnimationValue& a, const AnimationValue& by) {
    if (auto* x = std::get_if<double>(&a))
        if (auto* y = std::get_if<double>(&by)) return *x + *y;
    if (auto* x = std::get_if<cg::Point>(&a))
        if (auto* y = std::get_if<cg::Point>(&by)) return cg::Point{x->x + y->x, x->y + y->y};
    return a;
}

// The layer's model value of a key path (nothing for one it lacks).
AnimationValue modelValue(const Layer& layer, const std::string& keyPath) {
    const auto* shape = dynamic_cast<const ShapeLayer*>(&layer);
    const auto* gradient = dynamic_cast<const GradientLayer*>(&layer);
    if (keyPath == "opacity") return layer.opacity();
    if (keyPath == "position") return layer.position();
    if (keyPath == "position.x") return layer.position().x;
    if (keyPath == "position.y") return layer.position().y;
    if (keyPath == "bounds") return layer.bounds();
    if (keyPath == "transform") return layer.transform();
    if (keyPath == "transform.scale") return 1.0;
    if (keyPath == "transform.rotation.z") return 0.0;
    if (keyPath == "backgroundColor" && layer.backgroundColor()) return *layer.backgroundColor();
    if (shape) {
        if (keyPath == "path" && shape->path) return shape->path;
        if (keyPath == "fillColor" && shape->fillColor) return *shape->fillColor;
        if (keyPath == "strokeColor" && shape->strokeColor) return *shape->strokeColor;
        if (keyPath == "strokeStart") return shape->strokeStart;
        if (keyPath == "strokeEnd") return shape->strokeEnd;
        if (keyPath == "lineWidth") return shape->lineWidth;
    }
    if (gradient && keyPath == "colors") return gradient->colors;
    return {};
}

std::optional<AnimationValue> keyframeValue(const KeyframeAnimation& a, double x) {
    const auto& values = a.values;
    if (values.empty()) return std::nullopt;
    if (values.size() == 1) return values.front();
    std::vector<double> times = a.keyTimes;
    if (times.size() != values.size()) {
        times.clear();
        for (std::size_t i = 0; i < values.size(); ++i) times.push_back(double(i) / double(values.size() - 1));
    }
    if (x <= times.front()) return values.front();
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (x <= times[i]) {
            double span = times[i] - times[i - 1];
            double f = span > 0 ? (x - times[i - 1]) / span : 1;
            if (a.calculationMode == "discrete") return values[i - 1];
            return mixValues(values[i - 1], values[i], f);
        }
    }
    return values.back();
}

void collect(const Animation& a, double t, double inheritedDuration, const Layer* layer,
             std::vector<LayerPresentation::KeyedValue>& out) {
    const double duration = a.duration > 0 ? a.duration : (inheritedDuration > 0 ? inheritedDuration : Animation::kDefaultDuration);
    auto fraction = cycleFraction(a, t, duration);
    if (!fraction) return;
    const double x = curve(a.timingFunction, *fraction);

    if (const auto* group = dynamic_cast<const AnimationGroup*>(&a)) {
        // Members run on the group's own time, from their begin offsets.
        const double groupTime = *fraction * duration;
        for (const auto& member : group->animations)
            if (member) collect(*member, groupTime - member->beginTime, duration, layer, out);
        return;
    }
    if (const auto* basic = dynamic_cast<const BasicAnimation*>(&a)) {
        AnimationValue model = layer ? modelValue(*layer, basic->keyPath) : AnimationValue{};
        AnimationValue from = basic->fromValue, to = basic->toValue;
        if (!hasValue(from) && !hasValue(to) && hasValue(basic->byValue)) {
            from = model;
            to = sumValues(model, basic->byValue);
        } else if (!hasValue(to)) {
            to = hasValue(basic->byValue) ? sumValues(from, basic->byValue) : model;
        } else if (!hasValue(from)) {
            from = model;
        }
        if (!hasValue(from) || !hasValue(to)) return;
        out.emplace_back(basic->keyPath, mixValues(from, to, x));
        return;
    }
    if (const auto* keyframes = dynamic_cast<const KeyframeAnimation*>(&a)) {
        if (auto v = keyframeValue(*keyframes, x)) out.emplace_back(keyframes->keyPath, *v);
    }
}

// Writes one value into the layer's model, remembering the old one.
void setValue(Layer& layer, const std::string& keyPath, const AnimationValue& v, std::vector<LayerPresentation::Undo>& undo,
              std::optional<double>& scale, std::optional<double>& rotation) {
    auto* shape = dynamic_cast<ShapeLayer*>(&layer);
    auto* gradient = dynamic_cast<GradientLayer*>(&layer);
    const double* number = std::get_if<double>(&v);
    const auto* color = std::get_if<ui::Color>(&v);
    if (keyPath == "opacity" && number) {
        undo.push_back([&layer, old = layer.opacity()] { layer.setOpacity(old); });
        layer.setOpacity(*number);
    } else if (keyPath == "position" && std::holds_alternative<cg::Point>(v)) {
        undo.push_back([&layer, old = layer.position()] { layer.setPosition(old); });
        layer.setPosition(std::get<cg::Point>(v));
    } else if ((keyPath == "position.x" || keyPath == "position.y") && number) {
        undo.push_back([&layer, old = layer.position()] { layer.setPosition(old); });
        auto p = layer.position();
        (keyPath == "position.x" ? p.x : p.y) = *number;
        layer.setPosition(p);
    } else if (keyPath == "bounds" && std::holds_alternative<cg::Rect>(v)) {
        undo.push_back([&layer, old = layer.bounds()] { layer.setBounds(old); });
        layer.setBounds(std::get<cg::Rect>(v));
    } else if (keyPath == "transform" && std::holds_alternative<Transform3D>(v)) {
        undo.push_back([&layer, old = layer.transform()] { layer.setTransform(old); });
        layer.setTransform(std::get<Transform3D>(v));
    } else if (keyPath == "transform.scale" && number) {
        scale = *number;
    } else if (keyPath == "transform.rotation.z" && number) {
        rotation = *number;
    } else if (keyPath == "backgroundColor" && color) {
        undo.push_back([&layer, old = layer.backgroundColor()] { layer.setBackgroundColor(old); });
        layer.setBackgroundColor(*color);
    } else if (shape && keyPath == "path" && std::holds_alternative<PathPtr>(v)) {
        undo.push_back([shape, old = shape->path] { shape->path = old; });
        shape->path = std::get<PathPtr>(v);
    } else if (shape && keyPath == "fillColor" && color) {
        undo.push_back([shape, old = shape->fillColor] { shape->fillColor = old; });
        shape->fillColor = *color;
    } else if (shape && keyPath == "strokeColor" && color) {
        undo.push_back([shape, old = shape->strokeColor] { shape->strokeColor = old; });
        shape->strokeColor = *color;
    } else if (shape && number && (keyPath == "strokeStart" || keyPath == "strokeEnd" || keyPath == "lineWidth")) {
        double& field = keyPath == "strokeStart" ? shape->strokeStart : keyPath == "strokeEnd" ? shape->strokeEnd : shape->lineWidth;
        undo.push_back([&field, old = field] { field = old; });
        field = *number;
    } else if (gradient && keyPath == "colors" && std::holds_alternative<ColorList>(v)) {
        undo.push_back([gradient, old = gradient->colors] { gradient->colors = old; });
        gradient->colors = std::get<ColorList>(v);
    }
}

void applyTree(const LayerPtr& layer, double mediaTime, std::vector<LayerPresentation::Undo>& undo,
               std::vector<LayerPtr>& kept) {
    if (!layer) return;
    kept.push_back(layer);
    std::optional<double> scale, rotation;
    for (const auto& key : layer->animationKeys()) {
        auto animation = layer->animationForKey(key);
        if (!animation) continue;
        std::vector<LayerPresentation::KeyedValue> values;
        collect(*animation, mediaTime - layer->beginTimeOfAnimation(key), 0, layer.get(), values);
        for (const auto& [path, value] : values) setValue(*layer, path, value, undo, scale, rotation);
    }
    if (scale || rotation) {
        // The animated scale and turn replace those of the model; its
        // translation stays.
        const Transform3D old = layer->transform();
        undo.push_back([l = layer.get(), old] { l->setTransform(old); });
        Transform3D t = Transform3DConcat(Transform3DMakeScale(scale.value_or(1), scale.value_or(1), 1),
                                          Transform3DMakeRotation(rotation.value_or(0), 0, 0, 1));
        t.m41 = old.m41;
        t.m42 = old.m42;
        t.m43 = old.m43;
        layer->setTransform(t);
    }
    applyTree(layer->mask(), mediaTime, undo, kept);
    for (const auto& sub : layer->sublayers()) applyTree(sub, mediaTime, undo, kept);
}

}  // namespace

std::vector<LayerPresentation::KeyedValue> LayerPresentation::valuesAt(const Animation& animation, double localTime,
                                                                        const Layer* layer) {
    std::vector<KeyedValue> out;
    collect(animation, localTime, 0, layer, out);
    return out;
}

LayerPresentation::Undo LayerPresentation::apply(const LayerPtr& root, double mediaTime) {
    auto undo = std::make_shared<std::vector<Undo>>();
    auto kept = std::make_shared<std::vector<LayerPtr>>();
    applyTree(root, mediaTime, *undo, *kept);
    return [undo, kept] {
        // Newest first, so a property written twice ends at its model value.
        for (auto it = undo->rbegin(); it != undo->rend(); ++it) (*it)();
        undo->clear();
        kept->clear();
    };
}

}  // namespace ca
