#include "platform/graphics/TextPainter.h"

#include <pango/pangocairo.h>

#include <cstdio>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>

#include "platform/foundation/Utf16.h"

namespace ct {

namespace {

// How many shaped pieces of text each thread keeps. A screen shows a few
// hundred at most, and redrawing it should not shape any of them again.
constexpr std::size_t kCachedLayouts = 512;

// One font map and context per thread, and the layouts of the text drawn
// lately: shaping is most of what drawing a label costs, and the same
// labels are drawn frame after frame. The context keeps the identity
// transform: with unhinted metrics the glyph positions do not depend on it,
// and Cairo renders the glyphs at the drawing context's own transform.
// (Taking over each drawing context's transform and font options would mark
// every layout changed and re-shape it on every draw.)
struct PangoState {
    PangoFontMap* map = nullptr;
    PangoContext* context = nullptr;
    // Most recently used first.
    std::list<std::pair<std::string, PangoLayout*>> layouts;
    std::unordered_map<std::string, std::list<std::pair<std::string, PangoLayout*>>::iterator> index;
    PangoState() {
        map = pango_cairo_font_map_new();
        context = pango_font_map_create_context(map);
        cairo_font_options_t* options = cairo_font_options_create();
        // Unhinted metrics keep Pango's advances equal to the measured ones.
        cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
        cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
        pango_cairo_context_set_font_options(context, options);
        cairo_font_options_destroy(options);
    }
    ~PangoState() {
        for (auto& entry : layouts) g_object_unref(entry.second);
        g_object_unref(context);
        g_object_unref(map);
    }
    PangoState(const PangoState&) = delete;
    PangoState& operator=(const PangoState&) = delete;
};

PangoState& state() {
    thread_local PangoState s;
    return s;
}

std::string toUtf8(const std::u16string& text) {
    std::string out = ns::utf16::toUtf8(text);
    // Line separators would start new lines in Pango; they are not drawn.
    for (char& c : out) {
        if (c == '\n' || c == '\r') c = ' ';
    }
    return out;
}

PangoLayout* makeLayout(PangoContext* context, const Font& font, double kern, const std::string& utf8) {
    PangoLayout* layout = pango_layout_new(context);
    pango_layout_set_single_paragraph_mode(layout, TRUE);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, font.face().bundledFamily.c_str());
    pango_font_description_set_weight(desc, PangoWeight(font.face().weight));
    pango_font_description_set_style(desc, font.face().italic ? PANGO_STYLE_OBLIQUE : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, font.size() * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0"));
    if (kern != 0) pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(int(kern * PANGO_SCALE)));
    pango_layout_set_attributes(layout, attrs);
    pango_attr_list_unref(attrs);
    pango_layout_set_text(layout, utf8.data(), int(utf8.size()));
    return layout;
}

// The layout of the text in the font, shaped once and then reused.
PangoLayout* layoutFor(PangoState& s, const Font& font, double kern, const std::string& utf8) {
    const FontFace& face = font.face();
    std::string key = face.bundledFamily;
    key += '\0';
    key += std::to_string(face.weight) + (face.italic ? "i" : "r");
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%.17g/%.17g", font.size(), kern);
    key += numbers;
    key += '\0';
    key += utf8;
    if (auto it = s.index.find(key); it != s.index.end()) {
        s.layouts.splice(s.layouts.begin(), s.layouts, it->second);
        return it->second->second;
    }
    if (s.layouts.size() >= kCachedLayouts) {
        g_object_unref(s.layouts.back().second);
        s.index.erase(s.layouts.back().first);
        s.layouts.pop_back();
    }
    s.layouts.emplace_front(key, makeLayout(s.context, font, kern, utf8));
    s.index.emplace(std::move(key), s.layouts.begin());
    return s.layouts.front().second;
}

}  // namespace

void paintText(cairo_t* cr, const std::u16string& text, const Font& font, double x, double y, bool yUp, double kern) {
    if (text.empty()) return;
    PangoState& s = state();
    PangoLayout* layout = layoutFor(s, font, kern, toUtf8(text));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (yUp) cairo_scale(cr, 1, -1);
    cairo_move_to(cr, 0, 0);
    PangoLayoutLine* line = pango_layout_get_line_readonly(layout, 0);
    if (line) pango_cairo_show_layout_line(cr, line);
    cairo_restore(cr);
}

}  // namespace ct
