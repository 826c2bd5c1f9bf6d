// Objects are counted and shared through Refs, never copied: a copy would
// start with the original's count and be destroyed behind its holders' backs.
// Expected error: use of deleted function [^ ]*Note::Note[(]const Note&[)]|call to implicitly-deleted copy constructor
// of [^ ]*Note
#include "framework/runtime/Object.h"

class Note final : public fw::Object { };

void duplicate(Note const& note)
{
    Note copy(note);
    (void)copy;
}
