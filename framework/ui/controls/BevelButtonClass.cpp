#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/BevelButton.h"

namespace fw {

ClassTable const& BevelButton::__Lookup()
{
    using T = BevelButton;
    // name, type; the text style's rows follow the first.
    static PropertyRow const leading[] = {
        property_row<&T::Caption, &T::set_Caption>("Caption", "s"),
    };
    static PropertyRow const own[] = {
        property_row<&T::HasBackColor, &T::set_HasBackColor>("HasBackColor", "b"),
        property_row<&T::BackColor, &T::set_BackColor>("BackColor", "c"),
        property_row<&T::CaptionAlign, &T::set_CaptionAlign>("CaptionAlign", "i4"),
        property_row<&T::CaptionPlacement, &T::set_CaptionPlacement>("CaptionPlacement", "i4"),
        property_row<&T::CaptionDelta, &T::set_CaptionDelta>("CaptionDelta", "i4"),
        property_row<&T::IconAlign, &T::set_IconAlign>("IconAlign", "i4"),
        property_row<&T::IconDX, &T::set_IconDX>("IconDX", "i4"),
        property_row<&T::IconDY, &T::set_IconDY>("IconDY", "i4"),
        property_row<&T::Bevel, &T::set_Bevel>("Bevel", "i4"),
        property_row<&T::HasMenu, &T::set_HasMenu>("HasMenu", "i4"),
        property_row<&T::Value, &T::set_Value>("Value", "b"),
        property_row<&T::MenuValue, &T::set_MenuValue>("MenuValue", "i4"),
        property_row<&T::ButtonType, &T::set_ButtonType>("ButtonType", "i4"),
        property_row<&T::AcceptFocus, &T::set_AcceptFocus>("AcceptFocus", "b"),
    };
    static std::vector<PropertyRow> const properties = joined_rows({ leading, StyledControl::text_style_rows(), own });
    static constexpr OperationRow operations[] = {
        method<&T::push>("Push", "%%"),
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
