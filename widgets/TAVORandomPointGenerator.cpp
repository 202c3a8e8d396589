#include "widgets/TAVORandomPointGenerator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/foundation/Clock.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/ViewAnimation.h"

void TAVORandomPointGenerator::generateRandomPointInView(const ui::ViewPtr& view, const ui::ImagePtr& image) {
    if (!view || !image) return;
    const cg::Size size = image->size();
    if (size.width <= 0 || size.height <= 0) return;

    srandom(static_cast<unsigned>(static_cast<long long>(ns::Clock::now())));
    const long r1 = random(), r2 = random();
    const cg::Rect bounds = view->bounds();
    const cg::Point centre = cg::PointMake(cg::RectGetMidX(bounds), cg::RectGetMidY(bounds));
    const double angle = static_cast<double>(std::labs(r1) % kDirections) / kDirections * 2 * std::numbers::pi;
    const double distance =
        static_cast<double>(std::labs(r2) % kDistanceSteps + 1) / 10 * std::min(centre.x, centre.y);

    auto point = ui::ImageView::createWithImage(image);
    point->setFrame(cg::RectMake(0, 0, size.width, size.height));
    point->setCenter(cg::PointMake(centre.x + distance * std::cos(angle), centre.y + distance * std::sin(angle)));
    point->setTransform(cg::AffineTransformMakeScale(0.01, 0.01));
    view->addSubview(point);
    ui::ViewAnimation::animate(
        kSeconds,
        [point] {
            point->setTransform(cg::AffineTransformMakeScale(2.0, 2.0));
            point->setAlpha(0);
        },
        [point](bool) { point->removeFromSuperview(); });
}
