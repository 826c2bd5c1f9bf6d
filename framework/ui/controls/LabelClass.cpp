#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/Label.h"

namespace fw {

ClassTable const& Label::__Lookup()
{
    using T = Label;
    // getter, setter; type. The text style's rows follow the first.
    static PropertyRow const leading[] = {
        property_row<&T::Text, &T::set_Text>("s"),
    };
    static PropertyRow const own[] = {
        property_row<&T::TextAlign, &T::set_TextAlign>("i4"),
        property_row<&T::MultiLine, &T::set_MultiLine>("b"),
        property_row<&T::Selectable, &T::set_Selectable>("b"),
        property_row<&T::Transparent, &T::set_Transparent>("b"),
        property_row<&T::DataSource, &T::set_DataSource>("s"),
        property_row<&T::DataField, &T::set_DataField>("s"),
    };
    static std::vector<PropertyRow> const properties = joined_rows({ leading, StyledControl::text_style_rows(), own });
    static ClassTable const* const table = build_class(ClassSpec {
        .name = "Label",
        .base = &RectControl::__Lookup(),
        .instance_size = sizeof(Label),
        .factory = []() -> Object* { return new Label; },
        .properties = properties,
    });
    return *table;
}

}
