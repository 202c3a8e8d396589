#include <gtest/gtest.h>

#include "core/crypto/ControlFactory.h"
#include "core/crypto/ImageExtra.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/graphics/Image.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/ImageView.h"

namespace {

// A test picture: transparent left half, blue right half (a blue square
// placed on a wider canvas by the rescale-and-crop helper).
std::shared_ptr<ui::Image> picture(double width, double height) {
    auto blue = TAVOCommonUtility::createImageFromColor(ui::Color::blueColor(), {width / 2, height});
    return ImageExtra::rescaleAndcropImageWithRescaleSize(blue, {width / 2, height},
                                                          cg::Rect{{-width / 2, 0}, {width, height}});
}

cg::RGBA at(const std::shared_ptr<ui::Image>& image, std::size_t x, std::size_t y) {
    return image->CGImage()->pixel(x, y);
}

}  // namespace

TEST(HelperControls, LabelsButtonsAndImageViews) {
    auto label = ControlFactory::createLabel("Hello", std::nullopt, std::nullopt, std::nullopt);
    EXPECT_EQ(label->text(), "Hello");
    EXPECT_EQ(label->textColor(), ui::Color::whiteColor());
    EXPECT_EQ(label->font().pointSize(), 12);
    EXPECT_EQ(label->backgroundColor(), ui::OptionalColor(ui::Color::clearColor()));
    EXPECT_EQ(label->frame().size.width, 0);
    EXPECT_EQ(label->textAlignment(), ui::TextAlignment::Left);
    auto centred = ControlFactory::createLabel("x", ui::Color::redColor(), ui::Font::systemFontOfSize(20),
                                               ui::Color::blackColor(), ui::TextAlignment::Center);
    EXPECT_EQ(centred->textColor(), ui::Color::redColor());
    EXPECT_EQ(centred->font().pointSize(), 20);
    EXPECT_EQ(centred->textAlignment(), ui::TextAlignment::Center);

    auto button = ControlFactory::createButton("Go", std::nullopt, ui::Color::greenColor());
    EXPECT_EQ(button->buttonType(), ui::ButtonType::Custom);
    EXPECT_EQ(button->titleForState(ui::ControlStateNormal), std::optional<std::string>("Go"));
    EXPECT_EQ(button->titleColorForState(ui::ControlStateNormal), ui::OptionalColor(ui::Color::greenColor()));
    auto normal = ui::Image::imageNamed("device_icon_phone");
    auto pressed = ui::Image::imageNamed("device_icon_pad");
    auto imaged = ControlFactory::createButton("Go", pressed, normal);
    EXPECT_EQ(imaged->backgroundImageForState(ui::ControlStateNormal), normal);
    EXPECT_EQ(imaged->backgroundImageForState(ui::ControlStateHighlighted), pressed);

    auto view = ControlFactory::createImageView("device_icon_pc", ui::ContentMode::Center);
    EXPECT_EQ(view->image(), ui::Image::imageNamed("device_icon_pc"));
    EXPECT_EQ(view->contentMode(), ui::ContentMode::Center);
    EXPECT_EQ(view->frame().size.width, view->image()->size().width);
    EXPECT_FALSE(ControlFactory::createImageView("")->image());
    EXPECT_FALSE(ControlFactory::createImageView("no such image")->image());
}

TEST(HelperImages, RescaleAndCrop) {
    auto tall = TAVOCommonUtility::createImageFromColor(ui::Color::redColor(), {200, 400});
    auto wide = TAVOCommonUtility::createImageFromColor(ui::Color::redColor(), {400, 200});
    EXPECT_EQ(ImageExtra::calculateNewSizeForCroppingBox(tall, {100, 100}), (cg::Size{100, 200}));
    EXPECT_EQ(ImageExtra::calculateNewSizeForCroppingBox(wide, {100, 100}), (cg::Size{200, 100}));

    auto small = ImageExtra::rescaleImageToSize(tall, {10, 20});
    ASSERT_TRUE(small);
    EXPECT_EQ(small->size(), (cg::Size{10, 20}));
    EXPECT_NEAR(at(small, 5, 10).r, 1.0, 0.01);

    // A crop picks the half it asks for.
    auto halves = picture(8, 4);
    ASSERT_TRUE(halves);
    EXPECT_EQ(halves->size(), (cg::Size{8, 4}));
    EXPECT_NEAR(at(halves, 6, 1).b, 1.0, 0.01);
    EXPECT_NEAR(at(halves, 1, 1).a, 0.0, 0.01);
    auto right = ImageExtra::cropImageToRect(halves, cg::Rect{{4, 0}, {4, 4}});
    ASSERT_TRUE(right);
    EXPECT_EQ(right->size(), (cg::Size{4, 4}));
    EXPECT_NEAR(at(right, 0, 0).b, 1.0, 0.01);
    EXPECT_FALSE(ImageExtra::cropImageToRect(halves, cg::Rect{{100, 100}, {4, 4}}));

    auto centre = ImageExtra::cropCenterAndScaleImageToSize(wide, {50, 50});
    ASSERT_TRUE(centre);
    EXPECT_EQ(centre->size(), (cg::Size{50, 50}));
    EXPECT_FALSE(ImageExtra::rescaleImageToSize(nullptr, {4, 4}));
}
