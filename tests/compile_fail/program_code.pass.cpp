// The control for the checks beside it: code in the style of window/, built
// with the program's flags, compiles. It also shows the explicit forms that
// the failing checks' implicit ones stand in for.
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Text.h"

namespace {

class Note final : public fw::Object { };

bool is_return_key(fw::String const& key) { return fw::RuntimeStringCompare(key, fw::Chr(13)) == 0; }

}

fw::Ref<fw::Object> keep(fw::Object* raw)
{
    fw::Ref<fw::Object> ref(raw);
    auto note = fw::make<Note>();
    return is_return_key(fw::Mid("\r", 1)) ? ref : fw::Ref<fw::Object>(note);
}
