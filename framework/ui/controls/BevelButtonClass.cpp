#include "framework/runtime/ClassRows.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/controls/BevelButton.h"

namespace fw {

namespace {
    // Reflection's Push is the member push(), whose name it does not share.
    void push_button(Object* self) { checked_cast<BevelButton>(self).push(); }
}

ClassTable const& BevelButton::__Lookup()
{
    using T = BevelButton;
    // getter, setter; type. The text style's rows follow the first.
    static PropertyRow const leading[] = {
        property_row<&T::Caption, &T::set_Caption>("s"),
    };
    static PropertyRow const own[] = {
        property_row<&T::HasBackColor, &T::set_HasBackColor>("b"),
        property_row<&T::BackColor, &T::set_BackColor>("c"),
        property_row<&T::CaptionAlign, &T::set_CaptionAlign>("i4"),
        property_row<&T::CaptionPlacement, &T::set_CaptionPlacement>("i4"),
        property_row<&T::CaptionDelta, &T::set_CaptionDelta>("i4"),
        property_row<&T::IconAlign, &T::set_IconAlign>("i4"),
        property_row<&T::IconDX, &T::set_IconDX>("i4"),
        property_row<&T::IconDY, &T::set_IconDY>("i4"),
        property_row<&T::Bevel, &T::set_Bevel>("i4"),
        property_row<&T::HasMenu, &T::set_HasMenu>("i4"),
        property_row<&T::Value, &T::set_Value>("b"),
        property_row<&T::MenuValue, &T::set_MenuValue>("i4"),
        property_row<&T::ButtonType, &T::set_ButtonType>("i4"),
        property_row<&T::AcceptFocus, &T::set_AcceptFocus>("b"),
    };
    static std::vector<PropertyRow> const properties = joined_rows({ leading, StyledControl::text_style_rows(), own });
    static constexpr OperationRow operations[] = {
        method_routine<&push_button>("Push", "%%"),
    };
    static ClassTable const* const table = build_class(ClassSpec {
        .name = "BevelButton",
        .base = &RectControl::__Lookup(),
        .instance_size = sizeof(BevelButton),
        .factory = []() -> Object* { return new BevelButton; },
        .operations = operations,
        .events = BevelButtonEvents,
        .properties = properties,
    });
    return *table;
}

}
