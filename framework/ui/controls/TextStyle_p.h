#pragma once

// Not part of the framework's API: the font and colour properties that
// TextField, Label and BevelButton share, and how they reach a widget.
//
// A font that is not installed falls back to the desktop's default face,
// and "System" names that default face. TextSize 0 keeps the default size;
// TextUnit 0 (and 1) are pixels, 2 points, 3 inches, 4 millimetres.

#include "framework/runtime/Variant.h"

#include <QPalette>

#include <cstdint>
#include <string>

class QFont;
class QWidget;

namespace fw {

struct TextStyle {
    std::string face;
    float size { 0 };
    std::uint8_t unit { 0 };
    bool bold { false };
    bool italic { false };
    bool underline { false };
    Color text_color {};

    QFont font_for(QWidget const& widget) const;
};

// The family a stored face name shows with: itself when installed, the
// default UI family otherwise.
QString resolve_font_family(std::string const& face);

void apply_font(QWidget& widget, TextStyle const& style);
void set_palette_color(QWidget& widget, QPalette::ColorRole role, Color color);
// Undoes set_palette_color: the role follows the widget's style again.
void reset_palette_color(QWidget& widget, QPalette::ColorRole role);

QString to_qstring(std::string const& text);
std::string from_qstring(QString const& text);

}
