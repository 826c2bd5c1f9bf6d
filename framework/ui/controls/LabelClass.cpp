#include "framework/runtime/Introspection.h"
#include "framework/ui/controls/Label.h"

namespace fw {

ClassTable const& Label::__Lookup()
{
    using T = Label;
    // name, type; TextSize and TextUnit are set in code, never stored in a
    // stream.
    static PropertyRow const properties[] = {
        property_row<&T::Text, &T::set_Text>("Text", "s"),
        property_row<&T::TextSize, &T::set_TextSize>("TextSize", "f4"),
        property_row<&T::TextUnit, &T::set_TextUnit>("TextUnit", "u1"),
        property_row<&T::TextFont, &T::set_TextFont>("TextFont", "s"),
        property_row<&T::Bold, &T::set_Bold>("Bold", "b"),
        property_row<&T::Italic, &T::set_Italic>("Italic", "b"),
        property_row<&T::Underline, &T::set_Underline>("Underline", "b"),
        property_row<&T::TextColor, &T::set_TextColor>("TextColor", "c"),
        property_row<&T::TextAlign, &T::set_TextAlign>("TextAlign", "i4"),
        property_row<&T::MultiLine, &T::set_MultiLine>("MultiLine", "b"),
        property_row<&T::Selectable, &T::set_Selectable>("Selectable", "b"),
        property_row<&T::Transparent, &T::set_Transparent>("Transparent", "b"),
        property_row<&T::DataSource, &T::set_DataSource>("DataSource", "s"),
        property_row<&T::DataField, &T::set_DataField>("DataField", "s"),
    };
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
