// The control for the checks beside it: code in the style of window/, built
// with the program's flags, compiles. It also shows the explicit forms that
// the failing checks' implicit ones stand in for, and the correct rows and
// texts that the failing checks get wrong.
#include "framework/date/Date.h"
#include "framework/runtime/ClassRows.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Text.h"
#include "framework/ui/application/Application.h"
#include "framework/ui/controls/TextField.h"

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

// The well-formed counterparts of the rows the failing checks write.
class Form final : public fw::Object {
    FW_OBJECT(Form)
public:
    virtual bool Field_KeyDown(fw::TextField*, fw::String const&) { return false; }
    // A noexcept member takes a row like any other.
    virtual void Refresh() noexcept { }
};

class Box final : public fw::Object {
    FW_OBJECT(Box)
public:
    std::int32_t Width() const;
    void set_Width(std::int32_t);
};

namespace {

constexpr fw::OperationRow rows[] = {
    fw::operation<&Form::Field_KeyDown>("%b%o<TextField>s"),
    fw::operation<&Form::Refresh>("%%"),
};

void set_menu_bar(fw::Object* self, fw::MenuBar* bar) { fw::checked_cast<fw::Application>(self).set_MenuBar(0, bar); }
static_assert(fw::control_event_index(fw::TextFieldEvents, "LostFocus") == 16);

}

std::size_t count_rows() { return fw::method_count(rows); }

fw::PropertyRow total_seconds_row()
{
    return fw::property_row<&fw::Date::TotalSeconds, &fw::Date::set_TotalSeconds>("f8");
}

fw::PropertyRow width_row() { return fw::property_row<&Box::Width, &Box::set_Width>("i4"); }

fw::PropertyRow menu_bar_row() { return fw::property_row<&fw::Application::MenuBar, &set_menu_bar>("o<MenuBar>"); }

char const* field_text()
{
    fw::CheckedDelegateSignature<bool(fw::TextField*, fw::String const&)> const signature(
        "( TextField, String ) as Boolean");
    return signature.text;
}
