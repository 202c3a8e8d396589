#include "platform/graphics/Gradient.h"

#include <algorithm>

namespace cg {

std::shared_ptr<Gradient> Gradient::createWithColors(ColorSpacePtr space, const std::vector<ColorPtr>& colors,
                                                     const std::vector<double>& locations) {
    if (colors.empty() || (!locations.empty() && locations.size() != colors.size())) return nullptr;
    if (!space) space = ColorSpace::createDeviceRGB();
    std::vector<GradientStop> stops;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        if (!colors[i]) return nullptr;
        double loc = locations.empty() ? (colors.size() == 1 ? 0.0 : double(i) / double(colors.size() - 1)) : locations[i];
        stops.push_back({std::clamp(loc, 0.0, 1.0), colors[i]->rgba()});
    }
    std::stable_sort(stops.begin(), stops.end(), [](auto& a, auto& b) { return a.location < b.location; });
    return std::make_shared<Gradient>(std::move(space), std::move(stops));
}

std::shared_ptr<Gradient> Gradient::createWithColorComponents(ColorSpacePtr space, const std::vector<double>& components,
                                                              const std::vector<double>& locations, std::size_t count) {
    if (!space) space = ColorSpace::createDeviceRGB();
    std::size_t per = space->numberOfComponents() + 1;
    if (count == 0 || components.size() < count * per || (!locations.empty() && locations.size() < count)) return nullptr;
    std::vector<ColorPtr> colors;
    for (std::size_t i = 0; i < count; ++i) {
        colors.push_back(Color::create(space, std::vector<double>(components.begin() + i * per, components.begin() + (i + 1) * per)));
    }
    std::vector<double> locs(locations.begin(), locations.begin() + (locations.empty() ? 0 : count));
    return createWithColors(space, colors, locs);
}

}  // namespace cg
