#pragma once

// Not part of the framework's API: the one style and palette every window
// and message box is drawn with, from RuntimeInit to RuntimeExit.
//
// The stored layout is made for a light window and for Fusion's frames and
// paddings, so the look does not follow the desktop: not its style, not its
// platform theme's palette (a dark GTK theme gives Fusion a dark standard
// palette), and not a style, palette or theme the desktop changes while the
// program runs. Colours a control sets for itself (TextColor, BackColor)
// still apply on top, and fonts are left alone.

namespace fw::detail {

// Sets Fusion and the framework's light palette on the application and
// keeps them: a palette set later is replaced at once, a style set later or
// a theme change is answered once the event loop runs again.
void hold_own_look();
// Stops keeping them; the application keeps the look it has.
void release_own_look() noexcept;

}
