// Blurs an 8-bit alpha bitmap in place, approximating a Gaussian of the
// given standard deviation with three box blurs in each direction.
#pragma once

namespace cg {

void blurAlpha(unsigned char* data, int width, int height, int stride, double sigma);

}  // namespace cg
