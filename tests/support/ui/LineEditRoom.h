#pragma once

// How much of a line edit's width its text may take before it scrolls,
// measured as the line edit lays its text out, and whether a text fits in
// it in the line edit's own font or at another size.

#include <string>

class QLineEdit;
class QString;

namespace test_support {

// The line edit's contents rectangle from its style, less its text margins
// and the two pixels it keeps clear on either side.
int text_room(QLineEdit const& edit);

// The width of `text` in the font the line edit draws in.
int drawn_width(QLineEdit const& edit, QString const& text);

// Why `text` does not fit in `edit`, or empty when it fits.
std::string misfit(QLineEdit const& edit, QString const& text);

// Whether `edit` would scroll its text if it drew it `size` pixels high in
// its own font's face: a line edit scrolls once the text's width, rounded,
// plus one pixel is more than its room.
bool scrolls_at(QLineEdit const& edit, int size);

}
