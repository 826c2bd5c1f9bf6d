// The fourteen control accessors, the implicit main window and the
// finaliser.

#include "WindowTestSupport.h"

#include "framework/runtime/Introspection.h"
#include "framework/ui/window/Window.h"

using namespace fw;
using window_test::WindowTest;

namespace {

struct AccessorRow {
    char const* name;
    ClassTable const& (*control_class)();
};
constexpr AccessorRow accessors[] = {
    { "efStart", &TextField::__Lookup },
    { "efEnd", &TextField::__Lookup },
    { "StaticText1", &Label::__Lookup },
    { "StaticText2", &Label::__Lookup },
    { "StaticText3", &Label::__Lookup },
    { "efStartDay", &TextField::__Lookup },
    { "efEndDay", &TextField::__Lookup },
    { "efWeekdays", &TextField::__Lookup },
    { "efWeekenddays", &TextField::__Lookup },
    { "StaticText4", &Label::__Lookup },
    { "StaticText5", &Label::__Lookup },
    { "efTotal", &TextField::__Lookup },
    { "StaticText6", &Label::__Lookup },
    { "BevelButton1", &BevelButton::__Lookup },
};

// Calls an accessor through the class's virtual table, as the program does;
// the entry's result type follows the control's class.
Ref<RectControl> call_accessor(Object* window, AccessorRow const& row)
{
    auto const& table = frmMain::__Lookup();
    AnyFunction entry = table.vtable.at(std::size_t(table.vtable_index(row.name))).entry;
    if (&row.control_class() == &TextField::__Lookup())
        return typed_function<Ref<TextField>(Object*)>(entry)(window);
    if (&row.control_class() == &Label::__Lookup())
        return typed_function<Ref<Label>(Object*)>(entry)(window);
    return typed_function<Ref<BevelButton>(Object*)>(entry)(window);
}

}

class ControlAccessors : public WindowTest { };

TEST_F(ControlAccessors, BeforeTheControlsExistEachReturnsNilWithoutRaising)
{
    auto window = window_test::unconstructed_window();
    for (auto const& row : accessors) {
        SCOPED_TRACE(row.name);
        Ref<RectControl> control;
        EXPECT_NO_THROW(control = call_accessor(window.ptr(), row));
        EXPECT_TRUE(control.is_nil());
    }
}

TEST_F(ControlAccessors, OnANilWindowEachRaisesNilObjectException)
{
    for (auto const& row : accessors) {
        SCOPED_TRACE(row.name);
        try {
            call_accessor(nullptr, row);
            ADD_FAILURE() << "nothing raised";
        } catch (RuntimeError const& error) {
            EXPECT_EQ(error.exception().class_table().name, NilObjectException::__Lookup().name);
        }
    }
}

TEST_F(ControlAccessors, EachFindsTheControlRegisteredUnderItsNameAsItsClass)
{
    auto window = window_test::window_with_controls();
    for (auto const& row : accessors) {
        SCOPED_TRACE(row.name);
        Ref<RectControl> control = call_accessor(window.ptr(), row);
        ASSERT_TRUE(control);
        EXPECT_EQ(control.ptr(), window->_ControlByName(row.name).ptr());
        EXPECT_EQ(&control->class_table(), &row.control_class());
        EXPECT_EQ(control->name(), row.name);
    }
    EXPECT_EQ(window->efWeekenddays()->Name(), "efWeekenddays");
    EXPECT_EQ(window->StaticText5()->Name(), "StaticText5");
}

TEST_F(ControlAccessors, TwoCallsGiveTheSameControlWithAReferenceEach)
{
    auto window = window_test::window_with_controls();
    Ref<TextField> first = window->efStart();
    auto const count = first->ref_count();
    Ref<TextField> second = window->efStart();
    EXPECT_EQ(first.ptr(), second.ptr());
    EXPECT_EQ(second->ref_count(), count + 1);
    second = nullptr;
    EXPECT_EQ(first->ref_count(), count);
}

TEST_F(ControlAccessors, EachCallLooksTheControlUpAgain)
{
    auto window = window_test::window_with_controls();
    Ref<TextField> const before = window->efTotal();
    auto replacement = RuntimeCheckCast<TextField>(window->__New(TextField::__Lookup()));
    replacement->Constructor();
    window->_AddControl("efTotal", replacement.ptr());
    EXPECT_EQ(window->efTotal().ptr(), replacement.ptr());
    EXPECT_NE(before.ptr(), replacement.ptr());
}

class ImplicitWindow : public WindowTest { };

TEST_F(ImplicitWindow, IsBuiltOnceAndFoundAgainWhileOpen)
{
    EXPECT_TRUE(_GetImplicitWindow("frmMain.frmMain").is_nil());
    Ref<frmMain> first = frmMain_frmMain();
    ASSERT_TRUE(first);
    Ref<Date> const start = first->Start;
    Ref<TextField> const field = first->efStart();
    ASSERT_TRUE(start);

    Ref<frmMain> second = frmMain_frmMain();
    EXPECT_EQ(second.ptr(), first.ptr());
    // A second construction would have made new dates and new controls.
    EXPECT_EQ(second->Start.ptr(), start.ptr());
    EXPECT_EQ(second->efStart().ptr(), field.ptr());
    EXPECT_EQ(&second->class_table(), &frmMain::__Lookup());

    window_test::close_window(*first);
    EXPECT_TRUE(_GetImplicitWindow("frmMain.frmMain").is_nil());
}

class WindowFinaliser : public WindowTest { };

TEST_F(WindowFinaliser, AWindowDestroyedBeforeOpenHasNilDatesAndFinalisesCleanly)
{
    auto window = window_test::window_with_controls();
    EXPECT_TRUE(window->Start.is_nil());
    EXPECT_TRUE(window->EndD.is_nil());
    EXPECT_NO_THROW(window = nullptr);
}

TEST_F(WindowFinaliser, ReleasesBothDates)
{
    auto start = make<Date>();
    auto end = make<Date>();
    {
        auto window = window_test::unconstructed_window();
        window->Start = start;
        window->EndD = end;
        EXPECT_EQ(start->ref_count(), 2u);
    }
    EXPECT_EQ(start->ref_count(), 1u);
    EXPECT_EQ(end->ref_count(), 1u);
}

class DateProperties : public WindowTest { };

TEST_F(DateProperties, GetAndSetKeepTheReferenceCountsRight)
{
    auto window = window_test::unconstructed_window();
    auto const& start = *frmMain::__Lookup().find_property("Start");
    auto get = typed_function<Ref<Date>(Object*)>(start.get);
    auto set = typed_function<void(Object*, Date*)>(start.set);

    auto first = make<Date>();
    set(window.ptr(), first.ptr());
    EXPECT_EQ(window->Start.ptr(), first.ptr());
    EXPECT_EQ(first->ref_count(), 2u);
    {
        Ref<Date> got = get(window.ptr());
        EXPECT_EQ(got.ptr(), first.ptr());
        EXPECT_EQ(first->ref_count(), 3u);
    }
    auto second = make<Date>();
    set(window.ptr(), second.ptr());
    EXPECT_EQ(first->ref_count(), 1u);
    EXPECT_EQ(second->ref_count(), 2u);
    set(window.ptr(), window->Start.ptr()); // the same date again
    EXPECT_EQ(second->ref_count(), 2u);
    set(window.ptr(), nullptr);
    EXPECT_EQ(second->ref_count(), 1u);
}

TEST_F(DateProperties, ValueAdaptersReadAndWriteVariantsAndRejectOtherClasses)
{
    auto window = window_test::unconstructed_window();
    auto const& end = *frmMain::__Lookup().find_property("EndD");
    auto date = make<Date>();
    end.set_value(end, window.ptr(), Variant(Ref<Object>(date)));
    EXPECT_EQ(window->EndD.ptr(), date.ptr());
    EXPECT_EQ(end.get_value(end, window.ptr()).to_object(), date.ptr());
    EXPECT_THROW(end.set_value(end, window.ptr(), Variant(Ref<Object>(window))), RuntimeError);
    EXPECT_EQ(window->EndD.ptr(), date.ptr());
    EXPECT_THROW(end.get_value(end, nullptr), RuntimeError);
}
