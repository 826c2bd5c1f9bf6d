#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/TextField.h"

namespace fw {

ClassTable const& TextField::__Lookup()
{
    using T = TextField;
    // getter, setter; type. The text style's rows follow the first.
    static PropertyRow const leading[] = {
        property_row<&T::Text, &T::set_Text>("s"),
    };
    static PropertyRow const own[] = {
        property_row<&T::BackColor, &T::set_BackColor>("c"),
        property_row<&T::Border, &T::set_Border>("b"),
        property_row<&T::Password, &T::set_Password>("b"),
        property_row<&T::UseFocusRing, &T::set_UseFocusRing>("b"),
        property_row<&T::Format, &T::set_Format>("s"),
        property_row<&T::CueText, &T::set_CueText>("s"),
        property_row<&T::Mask, &T::set_Mask>("s"),
        property_row<&T::ReadOnly, &T::set_ReadOnly>("b"),
        property_row<&T::LimitText, &T::set_LimitText>("i4"),
        property_row<&T::AcceptTabs, &T::set_AcceptTabs>("b"),
        property_row<&T::Alignment, &T::set_Alignment>("i4"),
        property_row<&T::AutomaticallyCheckSpelling, &T::set_AutomaticallyCheckSpelling>("b"),
        property_row<&T::DataSource, &T::set_DataSource>("s"),
        property_row<&T::DataField, &T::set_DataField>("s"),
    };
    static std::vector<PropertyRow> const properties = joined_rows({ leading, StyledControl::text_style_rows(), own });
    static ClassTable const* const table = build_class(ClassSpec {
        .name = "TextField",
        .base = &RectControl::__Lookup(),
        .instance_size = sizeof(TextField),
        .factory = []() -> Object* { return new TextField; },
        .events = TextFieldEvents,
        .properties = properties,
    });
    return *table;
}

}
