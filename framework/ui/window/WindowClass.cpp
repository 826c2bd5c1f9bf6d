#include "framework/runtime/ClassRows.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/controls/RectControl.h"
#include "framework/ui/window/Window.h"

#include <iterator>

namespace fw {

namespace {
    // Reflection's Close is the member close(), whose name it does not share.
    bool close_window(Object* self) { return checked_cast<Window>(self).close(); }
}

ClassTable const& Window::__Lookup()
{
    // The operations in order; the virtual table holds those with a slot.
    // (No adapter where reflection cannot pass a class table or a routine.)
    static constexpr OperationRow operations[] = {
        operation<&Window::Constructor>("%%"),
        method<&Window::__New>("%o<Object>%p"),
        operation<&Window::_AddControl>("%%so<RectControl>"),
        operation<&Window::_ControlByName>("%o<RectControl>%s"),
        operation<&Window::_AddMenuHandler>("%%sp"),
        method_routine<&close_window>("Close", "%b%"),
    };
    // getter, setter; type
    static PropertyRow const properties[] = {
        property_row<&Window::Placement, &Window::set_Placement>("i4"),
        property_row<&Window::Width, &Window::set_Width>("i4"),
        property_row<&Window::Height, &Window::set_Height>("i4"),
        property_row<&Window::MinWidth, &Window::set_MinWidth>("i4"),
        property_row<&Window::MinHeight, &Window::set_MinHeight>("i4"),
        property_row<&Window::MaxWidth, &Window::set_MaxWidth>("i4"),
        property_row<&Window::MaxHeight, &Window::set_MaxHeight>("i4"),
        property_row<&Window::Frame, &Window::set_Frame>("i4"),
        property_row<&Window::Composite, &Window::set_Composite>("b"),
        property_row<&Window::HasBackColor, &Window::set_HasBackColor>("b"),
        property_row<&Window::BackColor, &Window::set_BackColor>("c"),
        property_row<&Window::Title, &Window::set_Title>("s"),
        property_row<&Window::Visible, &Window::set_Visible>("b"),
        property_row<&Window::FullScreen, &Window::set_FullScreen>("b"),
        property_row<&Window::MenuBarVisible, &Window::set_MenuBarVisible>("b"),
        property_row<&Window::CloseButton, &Window::set_CloseButton>("b"),
        property_row<&Window::Resizeable, &Window::set_Resizeable>("b"),
        property_row<&Window::LiveResize, &Window::set_LiveResize>("b"),
        property_row<&Window::MaximizeButton, &Window::set_MaximizeButton>("b"),
        property_row<&Window::MinimizeButton, &Window::set_MinimizeButton>("b"),
        property_row<&Window::MacProcId, &Window::set_MacProcId>("i4"),
    };
    static_assert(std::size(WindowEvents) == WindowEventCount);
    static ClassTable const* const table = build_class(ClassSpec {
        .name = "Window",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Window),
        .factory = []() -> Object* { return new Window; },
        .operations = operations,
        .events = WindowEvents,
        .properties = properties,
        .reserved_methods = WindowMethodCount - std::int32_t(method_count(operations)),
        .reserved_properties = WindowPropertyCount - std::int32_t(std::size(properties)),
    });
    return *table;
}

}
