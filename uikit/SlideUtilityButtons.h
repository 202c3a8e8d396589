// Building a swipeable cell's utility buttons: each call appends one plain
// button with a background colour and a white 15-point title, or an icon.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/Button.h"
#include "platform/ui/Color.h"
#include "platform/ui/Image.h"

void sl_addUtilityButtonWithColor(std::vector<ui::ButtonPtr>& buttons, const ui::Color& color, const std::string& title);
void sl_addUtilityButtonWithColor(std::vector<ui::ButtonPtr>& buttons, const ui::Color& color, const ui::ImagePtr& icon);
