// The generic class-table pieces: method thunks, property rows with their
// value adapters, and the reflection call adapters.

#include "framework/runtime/ClassRows.h"
#include "framework/runtime/Introspection.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/window/Window.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/support/runtime/PlainClass.h"

using namespace fw;

namespace {

class Sample : public Object {
    FW_OBJECT(Sample)
public:
    std::int32_t Width() const { return m_width; }
    void set_Width(std::int32_t value) { m_width = value; }
    String Title() const { return m_title; }
    void set_Title(String const& value) { m_title = value; }
    Ref<TextField> Field() const { return m_field; }
    void set_Field(TextField* value) { m_field = Ref<TextField>(value); }

    virtual String WeekDay(std::int32_t day) { return "day " + std::to_string(day); }
    virtual bool Toggle(bool value) { return !value; }
    void Attach(Window* window) { attached = window; }

    Window* attached { nullptr };

private:
    std::int32_t m_width { 0 };
    String m_title;
    Ref<TextField> m_field;
};

class Derived final : public Sample {
    FW_OBJECT(Derived)
public:
    String WeekDay(std::int32_t) override { return "overridden"; }
};

ClassTable const& Sample::__Lookup()
{
    static ClassTable const* const table = test_support::plain_class<Sample>("uitest.Sample", Object::__Lookup());
    return *table;
}
ClassTable const& Derived::__Lookup()
{
    static ClassTable const* const table = test_support::plain_class<Derived>("uitest.Derived", Sample::__Lookup());
    return *table;
}

template<typename E>
bool raises(auto&& f)
{
    try {
        f();
    } catch (RuntimeError const& error) {
        return &error.exception().class_table() == &E::__Lookup();
    }
    return false;
}

class Reflection : public LiveCountTest { };

TEST_F(Reflection, AMethodThunkCallsThroughTheVirtualTable)
{
    auto object = make<Derived>();
    auto thunk = typed_function<String(Object*, std::int32_t)>(method_entry<&Sample::WeekDay>());
    EXPECT_EQ(thunk(object.ptr(), 3), "overridden");
    EXPECT_TRUE(raises<NilObjectException>([&] { thunk(nullptr, 3); }));
}

TEST_F(Reflection, PropertyRowsCarryTypedAccessorsAndValueAdapters)
{
    static PropertyRow const rows[] = {
        property_row<&Sample::Width, &Sample::set_Width>("i4"),
        property_row<&Sample::Title, &Sample::set_Title>("s"),
        property_row<&Sample::Field, &Sample::set_Field>("o<TextField>"),
    };
    ClassTable table;
    table.properties.resize(std::size(rows));
    fill_properties(table, 0, rows);
    auto object = make<Sample>();
    auto const& width = table.properties[0];
    auto const& title = table.properties[1];
    auto const& field = table.properties[2];

    typed_function<void(Object*, std::int32_t)>(width.set)(object.ptr(), 772);
    EXPECT_EQ(typed_function<std::int32_t(Object*)>(width.get)(object.ptr()), 772);
    title.set_value(title, object.ptr(), Variant("Quorvel"));
    EXPECT_EQ(object->Title(), "Quorvel");
    EXPECT_EQ(width.get_value(width, object.ptr()).to_int32(), 772);
    EXPECT_EQ(width.mark, MarkReadWriteProperty);

    auto text_field = make<TextField>();
    field.set_value(field, object.ptr(), Variant(Ref<Object>(text_field)));
    EXPECT_EQ(object->Field().ptr(), text_field.ptr());
    EXPECT_EQ(field.get_value(field, object.ptr()).to_object(), text_field.ptr());
    EXPECT_TRUE(raises<IllegalCastException>(
        [&] { field.set_value(field, object.ptr(), Variant(Ref<Object>(make<Sample>()))); }));
}

TEST_F(Reflection, InvokeConvertsArgumentsAndResults)
{
    auto object = make<Sample>();
    std::vector<Variant> args { Variant(std::int32_t(2)) };
    Variant const day
        = fw::Introspection::Invoke<String(std::int32_t)>(method_entry<&Sample::WeekDay>(), object.ptr(), &args);
    EXPECT_EQ(day.to_string(), "day 2");

    std::vector<Variant> flag { Variant(true) };
    Variant const toggled = fw::Introspection::Invoke<bool(bool)>(method_entry<&Sample::Toggle>(), object.ptr(), &flag);
    ASSERT_TRUE(toggled.is<bool>());
    EXPECT_FALSE(toggled.to_bool());
}

TEST_F(Reflection, InvokeCastsObjectArgumentsToTheirClass)
{
    auto object = make<Sample>();
    auto window = make<Window>();
    std::vector<Variant> args { Variant(Ref<Object>(window)) };
    Variant const result
        = fw::Introspection::Invoke<void(Window*)>(method_entry<&Sample::Attach>(), object.ptr(), &args);
    EXPECT_TRUE(result.is_nil());
    EXPECT_EQ(object->attached, window.ptr());

    std::vector<Variant> wrong { Variant(Ref<Object>(make<Sample>())) };
    EXPECT_TRUE(raises<IllegalCastException>(
        [&] { fw::Introspection::Invoke<void(Window*)>(method_entry<&Sample::Attach>(), object.ptr(), &wrong); }));
}

TEST_F(Reflection, InvokeRaisesNilObjectForANilObjectOrAMissingList)
{
    auto object = make<Sample>();
    auto const entry = method_entry<&Sample::Toggle>();
    std::vector<Variant> args { Variant(true) };
    EXPECT_TRUE(raises<NilObjectException>([&] { fw::Introspection::Invoke<bool(bool)>(entry, nullptr, &args); }));
    EXPECT_TRUE(
        raises<NilObjectException>([&] { fw::Introspection::Invoke<bool(bool)>(entry, object.ptr(), nullptr); }));
    std::vector<Variant> const none;
    EXPECT_TRUE(raises<RuntimeException>([&] { fw::Introspection::Invoke<bool(bool)>(entry, object.ptr(), &none); }));
}

TEST_F(Reflection, AMethodWithoutArgumentsNeedsNoList)
{
    auto window = make<Window>();
    Variant const closed
        = fw::Introspection::Invoke<bool()>(Window::__Lookup().find_method("Close")->function, window.ptr(), nullptr);
    EXPECT_FALSE(closed.to_bool()) << "a window that never opened does not close";
}

}
