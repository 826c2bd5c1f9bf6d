// Every method entry of the program's classes (frmMain, Menu, App), called
// through its own reflection adapter with arguments made from its signature
// text. Each call must reach the member the entry names, with the arguments
// as passed, and give back what the member answered. An adapter of the wrong
// type would convert the wrong arguments or call through the wrong function
// type, which the sanitizer build reports.

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Introspection.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/window/Window.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "window/frmMain.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace fw;

namespace {

// A value as the checks compare it: objects by class and identity.
std::string describe(Variant const& value)
{
    if (value.is_nil())
        return "nil";
    if (auto const* flag = value.get_if<bool>())
        return *flag ? "true" : "false";
    if (auto const* number = value.get_if<std::int32_t>())
        return std::to_string(*number);
    if (auto const* text = value.get_if<std::string>())
        return '"' + *text + '"';
    if (Object* object = value.to_object())
        return object->class_table().name + "@" + std::to_string(reinterpret_cast<std::uintptr_t>(object));
    return "?";
}

// What the members of a probe were called with, and what they answered.
struct CallLog {
    std::vector<std::string> calls;
    Variant answer;

    template<typename... A>
    void note(char const* member, A const&... args)
    {
        std::string call = std::string(member) + "(";
        std::string_view separator;
        ((call += std::string(separator) + describe(to_variant(args)), separator = ","), ...);
        calls.push_back(call + ")");
    }
    template<typename T>
    T give(T value)
    {
        answer = to_variant(value);
        return value;
    }
};

// frmMain with every own operation answered here instead, so that a call
// shows which member it reached; the thunks call virtually.
class WindowProbe final : public frmMain {
public:
    CallLog log;
    Ref<TextField> field { new_object<TextField>() };
    Ref<Label> label { new_object<Label>() };
    Ref<BevelButton> button { new_object<BevelButton>() };

    void Layout() override { log.note("Layout"); }
    void CreateControls() override { log.note("CreateControls"); }
    void _CreateControls0() override { log.note("_CreateControls0"); }
    Ref<TextField> efStart() override { return log.note("efStart"), log.give(field); }
    Ref<TextField> efEnd() override { return log.note("efEnd"), log.give(field); }
    Ref<Label> StaticText1() override { return log.note("StaticText1"), log.give(label); }
    Ref<Label> StaticText2() override { return log.note("StaticText2"), log.give(label); }
    Ref<Label> StaticText3() override { return log.note("StaticText3"), log.give(label); }
    Ref<TextField> efStartDay() override { return log.note("efStartDay"), log.give(field); }
    Ref<TextField> efEndDay() override { return log.note("efEndDay"), log.give(field); }
    Ref<TextField> efWeekdays() override { return log.note("efWeekdays"), log.give(field); }
    Ref<TextField> efWeekenddays() override { return log.note("efWeekenddays"), log.give(field); }
    Ref<Label> StaticText4() override { return log.note("StaticText4"), log.give(label); }
    Ref<Label> StaticText5() override { return log.note("StaticText5"), log.give(label); }
    Ref<TextField> efTotal() override { return log.note("efTotal"), log.give(field); }
    Ref<Label> StaticText6() override { return log.note("StaticText6"), log.give(label); }
    Ref<BevelButton> BevelButton1() override { return log.note("BevelButton1"), log.give(button); }
    void efStart_LostFocus(TextField* control) override { log.note("efStart_LostFocus", control); }
    bool efStart_KeyDown(TextField* control, String const& key) override
    {
        return log.note("efStart_KeyDown", control, key), log.give(true);
    }
    void efEnd_LostFocus(TextField* control) override { log.note("efEnd_LostFocus", control); }
    bool efEnd_KeyDown(TextField* control, String const& key) override
    {
        return log.note("efEnd_KeyDown", control, key), log.give(false);
    }
    void BevelButton1_Action(BevelButton* control) override { log.note("BevelButton1_Action", control); }
    void AddMenuHandlers(Window* window) override { log.note("AddMenuHandlers", window); }
    void Event_Open() override { log.note("Event_Open"); }
    bool Event_CancelClose(bool app_quitting) override
    {
        return log.note("Event_CancelClose", app_quitting), log.give(!app_quitting);
    }
    void Event_EnableMenuItems() override { log.note("Event_EnableMenuItems"); }
    bool _FileQuit_Action() override { return log.note("_FileQuit_Action"), log.give(true); }
    String WeekDay(std::int32_t day) override
    {
        return log.note("WeekDay", day), log.give("day " + std::to_string(day));
    }
    void Calculate() override { log.note("Calculate"); }
};

class MenuProbe final : public Menu {
public:
    CallLog log;
    void Constructor() override { log.note("Constructor"); }
    void Untitled1() override { log.note("Untitled1"); }
    void Untitled2() override { log.note("Untitled2"); }
};

class AppProbe final : public ::App {
public:
    CallLog log;
    void Constructor() override { log.note("Constructor"); }
};

// Arguments for a signature text: a number, a text, a flag or a new object
// of the named class for each parameter code, in order.
class Arguments {
public:
    explicit Arguments(std::string_view signature)
    {
        std::string_view codes = signature.substr(signature.find('%', 1) + 1);
        while (!codes.empty()) {
            if (codes.starts_with("i4")) {
                values.emplace_back(std::int32_t(values.size() + 3));
                codes.remove_prefix(2);
            } else if (codes.starts_with("s")) {
                values.emplace_back(std::string("text ") + std::to_string(values.size()));
                codes.remove_prefix(1);
            } else if (codes.starts_with("b")) {
                values.emplace_back(true);
                codes.remove_prefix(1);
            } else if (codes.starts_with("o<")) {
                auto end = codes.find('>');
                values.emplace_back(RuntimeNewObject(class_named(codes.substr(2, end - 2))));
                codes.remove_prefix(end + 1);
            } else {
                ADD_FAILURE() << "no argument for the code at " << codes;
                return;
            }
        }
    }

    // The call as a probe notes it.
    std::string call(std::string const& name) const
    {
        std::string text = name + "(";
        for (std::size_t i = 0; i < values.size(); ++i)
            text += (i ? "," : "") + describe(values[i]);
        return text + ")";
    }

    std::vector<Variant> values;

private:
    static ClassTable const& class_named(std::string_view name)
    {
        for (auto const* cls : { &TextField::__Lookup(), &Label::__Lookup(), &BevelButton::__Lookup(),
                 &Window::__Lookup(), &MenuItem::__Lookup() })
            if (cls->name == name)
                return *cls;
        ADD_FAILURE() << "no class " << name;
        return Object::__Lookup();
    }
};

// Calls each of the class's own method entries on the probe and checks the
// call it reached and the answer it gave back; returns how many it called.
std::size_t call_every_own_entry(ClassTable const& cls, Object& probe, CallLog& log)
{
    std::size_t const first = cls.base->methods.size();
    for (std::size_t i = first; i < cls.methods.size(); ++i) {
        auto const& entry = cls.methods[i];
        SCOPED_TRACE(cls.name + "." + entry.name + " " + entry.signature);
        if (entry.invoke == nullptr) {
            ADD_FAILURE() << "no adapter";
            continue;
        }
        Arguments const args(entry.signature);
        log.calls.clear();
        log.answer = Variant();
        Variant const result = entry.invoke(entry.function, &probe, &args.values);
        EXPECT_EQ(log.calls, std::vector<std::string> { args.call(entry.name) });
        EXPECT_EQ(describe(result), describe(log.answer));
    }
    return cls.methods.size() - first;
}

class EveryMethodEntry : public LiveCountTest { };

TEST_F(EveryMethodEntry, OfFrmMainReachesItsMemberThroughItsAdapter)
{
    auto probe = make<WindowProbe>();
    EXPECT_EQ(call_every_own_entry(frmMain::__Lookup(), *probe, probe->log), 29u);
}

TEST_F(EveryMethodEntry, OfMenuReachesItsMemberThroughItsAdapter)
{
    auto probe = make<MenuProbe>();
    EXPECT_EQ(call_every_own_entry(Menu::__Lookup(), *probe, probe->log), 3u);
}

TEST_F(EveryMethodEntry, OfAppReachesItsMemberThroughItsAdapter)
{
    auto probe = make<AppProbe>();
    EXPECT_EQ(call_every_own_entry(::App::__Lookup(), *probe, probe->log), 1u);
}

}
