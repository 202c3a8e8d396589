// A small real PNG for captcha replies: a grey-scale picture whose stripes
// follow the code's characters (the code itself travels in a header, so
// tests never need to read the picture).
#pragma once

#include <string>

namespace emulator {

// PNG bytes of a width x height grey-scale image (each side 1..512).
std::string captchaPNG(const std::string& code, int width, int height);

}  // namespace emulator
