#include "platform/graphics/TextPainter.h"

#include <pango/pangocairo.h>

#include <memory>

#include "platform/foundation/Utf16.h"

namespace ct {

namespace {

// One font map, context and layout per thread; the layout is refilled for
// every piece of text, which is much cheaper than making a new one.
struct PangoState {
    PangoFontMap* map = nullptr;
    PangoContext* context = nullptr;
    PangoLayout* layout = nullptr;
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
        layout = pango_layout_new(context);
        pango_layout_set_single_paragraph_mode(layout, TRUE);
    }
    ~PangoState() {
        g_object_unref(layout);
        g_object_unref(context);
        g_object_unref(map);
    }
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

}  // namespace

void paintText(cairo_t* cr, const std::u16string& text, const Font& font, double x, double y, bool yUp, double kern) {
    if (text.empty()) return;
    PangoState& s = state();
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, font.face().bundledFamily.c_str());
    pango_font_description_set_weight(desc, PangoWeight(font.face().weight));
    pango_font_description_set_style(desc, font.face().italic ? PANGO_STYLE_OBLIQUE : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(desc, font.size() * PANGO_SCALE);
    pango_layout_set_font_description(s.layout, desc);
    pango_font_description_free(desc);
    PangoAttrList* attrs = pango_attr_list_new();
    pango_attr_list_insert(attrs, pango_attr_font_features_new("kern 0, liga 0"));
    if (kern != 0) pango_attr_list_insert(attrs, pango_attr_letter_spacing_new(int(kern * PANGO_SCALE)));
    pango_layout_set_attributes(s.layout, attrs);
    pango_attr_list_unref(attrs);
    std::string utf8 = toUtf8(text);
    pango_layout_set_text(s.layout, utf8.data(), int(utf8.size()));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (yUp) cairo_scale(cr, 1, -1);
    pango_cairo_update_layout(cr, s.layout);
    cairo_move_to(cr, 0, 0);
    PangoLayoutLine* line = pango_layout_get_line_readonly(s.layout, 0);
    if (line) pango_cairo_show_layout_line(cr, line);
    cairo_restore(cr);
}

}  // namespace ct
