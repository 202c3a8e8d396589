// Attribute names the text layer reads from attributed strings, and how it
// turns attribute values into fonts and colours.
#pragma once

#include <functional>

#include "platform/foundation/Value.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/ParagraphStyle.h"

namespace ct {

inline constexpr const char* kFontAttributeName = "NSFont";                       // a ct::Font
inline constexpr const char* kForegroundColorAttributeName = "CTForegroundColor";  // a cg::Color
// Any true value: draw in the context's fill colour instead.
inline constexpr const char* kForegroundColorFromContextAttributeName = "CTForegroundColorFromContext";
inline constexpr const char* kParagraphStyleAttributeName = "NSParagraphStyle";    // a ct::ParagraphStyle
// An integer: low 8 bits the style (0 none, 1 single, 2 thick, 9 double), higher bits the pattern.
inline constexpr const char* kUnderlineStyleAttributeName = "NSUnderline";
inline constexpr const char* kUnderlineColorAttributeName = "CTUnderlineColor";   // a cg::Color
inline constexpr const char* kKernAttributeName = "NSKern";                        // points after each character

// The font layout uses when a range carries none.
FontPtr defaultFont();

// Fonts and colours may arrive as other objects (the view layer's own font
// and colour types); a resolver registered here turns them into ours.
using FontResolver = std::function<FontPtr(const ns::Value&)>;
using ColorResolver = std::function<cg::ColorPtr(const ns::Value&)>;
void setFontResolver(FontResolver resolver);
void setColorResolver(ColorResolver resolver);

// Null when the value is absent or of no known kind.
FontPtr fontFromValue(const ns::Value& value);
cg::ColorPtr colorFromValue(const ns::Value& value);
ParagraphStylePtr paragraphStyleFromValue(const ns::Value& value);

}  // namespace ct
