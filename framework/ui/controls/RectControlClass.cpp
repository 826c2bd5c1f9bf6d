#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/RectControl.h"

namespace fw {

ClassTable const& RectControl::__Lookup()
{
    static constexpr OperationRow operations[] = {
        operation<&RectControl::Constructor>("Constructor", "%%"),
    };
    // name, type
    static PropertyRow const properties[] = {
        property_row<&RectControl::Name, &RectControl::set_Name>("Name", "s"),
        property_row<&RectControl::Index, &RectControl::set_Index>("Index", "i4"),
        property_row<&RectControl::Left, &RectControl::set_Left>("Left", "i4"),
        property_row<&RectControl::Top, &RectControl::set_Top>("Top", "i4"),
        property_row<&RectControl::Width, &RectControl::set_Width>("Width", "i4"),
        property_row<&RectControl::Height, &RectControl::set_Height>("Height", "i4"),
        property_row<&RectControl::LockLeft, &RectControl::set_LockLeft>("LockLeft", "b"),
        property_row<&RectControl::LockTop, &RectControl::set_LockTop>("LockTop", "b"),
        property_row<&RectControl::LockRight, &RectControl::set_LockRight>("LockRight", "b"),
        property_row<&RectControl::LockBottom, &RectControl::set_LockBottom>("LockBottom", "b"),
        property_row<&RectControl::TabPanelIndex, &RectControl::set_TabPanelIndex>("TabPanelIndex", "i4"),
        property_row<&RectControl::TabIndex, &RectControl::set_TabIndex>("TabIndex", "i4"),
        property_row<&RectControl::TabStop, &RectControl::set_TabStop>("TabStop", "b"),
        property_row<&RectControl::Enabled, &RectControl::set_Enabled>("Enabled", "b"),
        property_row<&RectControl::Visible, &RectControl::set_Visible>("Visible", "b"),
        property_row<&RectControl::HelpTag, &RectControl::set_HelpTag>("HelpTag", "s"),
        property_row<&RectControl::AutoDeactivate, &RectControl::set_AutoDeactivate>("AutoDeactivate", "b"),
        property_row<&RectControl::InitialParent, &RectControl::set_InitialParent>("InitialParent", "s"),
    };
    static ClassTable const* const table = build_class(ClassSpec {
        .name = "RectControl",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(RectControl),
        .operations = operations,
        .events = RectControlEvents,
        .properties = properties,
    });
    return *table;
}

}
