// The one-line texts a picture shows cut: labels on screen whose text is
// wider than the label, so the person sees an ellipsis or a clipped end.
// The gallery lists them after each state for whoever reviews the pictures;
// a device's own long name may rightly be cut, so they are not failures.
#pragma once

#include <string>
#include <vector>

namespace keelbox::gallery {

std::vector<std::string> cutTextsOnScreen();

}  // namespace keelbox::gallery
