// The image-processing stand-in: a Gaussian blur of a sharp edge, its grown
// extent and the crop that removes the faded border, and filter look-up.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/graphics/Context.h"
#include "platform/graphics/ci/Context.h"
#include "platform/graphics/ci/Filter.h"
#include "platform/graphics/ci/GaussianBlurFilter.h"

namespace {

// 40 x 20 opaque pixels: red on the left half, blue on the right.
cg::ImagePtr twoHalves() {
    auto ctx = cg::Context::createImageContext(cg::Size{40, 20}, false, 1);
    ctx->setRGBFillColor(1, 0, 0, 1);
    ctx->fillRect(cg::RectMake(0, 0, 20, 20));
    ctx->setRGBFillColor(0, 0, 1, 1);
    ctx->fillRect(cg::RectMake(20, 0, 20, 20));
    return ctx->takeImage();
}

ci::ImagePtr blurred(const cg::ImagePtr& image, double radius) {
    auto filter = ci::Filter::filterWithName("CIGaussianBlur");
    EXPECT_TRUE(filter);
    if (!filter) return nullptr;
    filter->setValue(ci::Image::imageWithCGImage(image), ci::InputImageKey);
    filter->setValue(radius, ci::InputRadiusKey);
    return filter->outputImage();
}

bool sameRect(const cg::Rect& a, const cg::Rect& b) { return cg::RectEqualToRect(a, b); }

}  // namespace

TEST(GaussianBlur, SpreadsASharpEdgeSymmetricallyAndKeepsFlatColour) {
    auto output = blurred(twoHalves(), 2);
    ASSERT_TRUE(output && !output->isEmpty());
    // Spread 6 (three standard deviations) on every side.
    EXPECT_TRUE(sameRect(output->extent(), cg::RectMake(-6, -6, 52, 32)));
    auto image = ci::Context::contextWithOptions()->createCGImage(output, output->extent());
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width(), 52u);
    ASSERT_EQ(image->height(), 32u);
    auto at = [&](int x, int y) { return image->pixel(std::size_t(x + 6), std::size_t(y + 6)); };

    // Far from every edge the colour stays as it was.
    for (int x : {7, 12, 27, 32}) {
        cg::RGBA p = at(x, 10);
        EXPECT_NEAR(p.a, 1, 0.01) << x;
        EXPECT_NEAR(p.r, x < 20 ? 1 : 0, 0.01) << x;
        EXPECT_NEAR(p.b, x < 20 ? 0 : 1, 0.01) << x;
    }
    // Across the edge red falls off as blue rises, mirror images of each
    // other; the pixel next to the edge keeps half plus half the centre weight.
    EXPECT_NEAR(at(19, 10).r, 0.60, 0.02);
    for (int d = 0; d < 8; ++d) {
        cg::RGBA left = at(19 - d, 10), right = at(20 + d, 10);
        EXPECT_NEAR(left.r, right.b, 0.01) << d;
        EXPECT_NEAR(left.b, right.r, 0.01) << d;
        EXPECT_NEAR(left.a, 1, 0.01) << d;
        if (d > 0) {
            EXPECT_GE(left.r + 1e-9, at(19 - d + 1, 10).r) << d;
        }
    }
    EXPECT_LT(at(19, 10).r, 0.99);
    EXPECT_GT(at(20, 10).r, 0.01);
    // Outside the input the blur fades out: half-covered at the input's
    // border, all but clear at the output's corner.
    EXPECT_NEAR(at(-1, 10).a, 1 - 0.60, 0.02);
    EXPECT_LT(at(-6, -6).a, 0.01);
}

TEST(GaussianBlur, CropByOneAndAHalfSpreadsGivesTheSharpRegionsSize) {
    auto output = blurred(twoHalves(), 1);
    ASSERT_TRUE(output);
    EXPECT_TRUE(sameRect(output->extent(), cg::RectMake(-3, -3, 46, 26)));
    double inset = -1.5 * output->extent().origin.x;  // 4.5
    auto cropped = output->imageByCroppingToRect(cg::RectInset(output->extent(), inset, inset));
    // Whole pixels, rounded outwards: (1.5, 1.5, 37, 17) becomes (1, 1, 38, 18).
    EXPECT_TRUE(sameRect(cropped->extent(), cg::RectMake(1, 1, 38, 18)));
    auto image = ci::Context::contextWithOptions()->createCGImage(cropped, cropped->extent());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 38u);
    EXPECT_EQ(image->height(), 18u);
    EXPECT_NEAR(image->pixel(5, 9).r, 1, 0.01);  // input pixel (6, 10)
    EXPECT_NEAR(image->pixel(5, 9).a, 1, 0.01);

    // A rectangle reaching past the extent is transparent there; an empty
    // one, or a crop that leaves nothing, gives no bitmap.
    auto context = ci::Context::contextWithOptions();
    auto wide = context->createCGImage(cropped, cg::RectMake(-1, 1, 4, 2));
    ASSERT_TRUE(wide);
    EXPECT_EQ(wide->pixel(0, 0).a, 0);
    EXPECT_EQ(wide->pixel(1, 0).a, 0);
    EXPECT_GT(wide->pixel(2, 0).a, 0.5);
    EXPECT_FALSE(context->createCGImage(cropped, cg::RectMake(0, 0, 0, 5)));
    auto nothing = output->imageByCroppingToRect(cg::RectMake(100, 100, 5, 5));
    EXPECT_TRUE(nothing->isEmpty());
    EXPECT_FALSE(context->createCGImage(nullptr, cg::RectMake(0, 0, 5, 5)));
}

TEST(ImageFilter, UnknownNamesMissingInputAndNoRadius) {
    EXPECT_FALSE(ci::Filter::filterWithName("CIBoxBlur"));
    EXPECT_FALSE(ci::Filter::filterWithName(""));

    auto filter = ci::Filter::filterWithName("CIGaussianBlur");
    ASSERT_TRUE(filter);
    EXPECT_EQ(filter->name(), "CIGaussianBlur");
    EXPECT_DOUBLE_EQ(filter->valueForKey(ci::InputRadiusKey).doubleValue(), 10);
    EXPECT_FALSE(filter->outputImage());  // no input image yet
    EXPECT_FALSE(ci::Image::imageWithCGImage(nullptr));

    // Radius 0, or one that is not a number, leaves the input as it is.
    auto input = ci::Image::imageWithCGImage(twoHalves());
    filter->setValue(input, ci::InputImageKey);
    for (double radius : {0.0, -3.0, std::nan("")}) {
        filter->setValue(radius, ci::InputRadiusKey);
        EXPECT_EQ(filter->outputImage(), input) << radius;
    }
    // A huge radius is bounded rather than exhausting memory.
    EXPECT_EQ(ci::GaussianBlurFilter::spreadForRadius(1e12), 300);
}
