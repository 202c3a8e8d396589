#include "platform/graphics/ShadowBlur.h"

#include <cmath>
#include <vector>

namespace cg {

namespace {

// One box blur of radius r over `count` samples spaced `step` apart.
void boxPass(unsigned char* line, int count, int step, int r, std::vector<unsigned char>& scratch) {
    scratch.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) scratch[std::size_t(i)] = line[i * step];
    int window = 2 * r + 1;
    int sum = 0;
    for (int i = -r; i <= r; ++i) sum += (i >= 0 && i < count) ? scratch[std::size_t(i)] : 0;
    for (int i = 0; i < count; ++i) {
        line[i * step] = static_cast<unsigned char>((sum + window / 2) / window);
        int out = i - r, in = i + r + 1;
        if (out >= 0) sum -= scratch[std::size_t(out)];
        if (in < count) sum += scratch[std::size_t(in)];
    }
}

}  // namespace

void blurAlpha(unsigned char* data, int width, int height, int stride, double sigma) {
    if (!(sigma > 0.25) || width <= 0 || height <= 0) return;
    // A box of width w has variance (w^2 - 1) / 12; three of them add up.
    int r = static_cast<int>(std::lround((std::sqrt(4 * sigma * sigma + 1) - 1) / 2));
    if (r < 1) r = 1;
    std::vector<unsigned char> scratch;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < height; ++y) boxPass(data + y * stride, width, 1, r, scratch);
        for (int x = 0; x < width; ++x) boxPass(data + x, height, stride, r, scratch);
    }
}

}  // namespace cg
