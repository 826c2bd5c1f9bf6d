#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/RectControl.h"

namespace fw {

ClassTable const& RectControl::__Lookup()
{
    static constexpr OperationRow operations[] = {
        operation<&RectControl::Constructor>("%%"),
    };
    // getter, setter; type
    static PropertyRow const properties[] = {
        property_row<&RectControl::Name, &RectControl::set_Name>("s"),
        property_row<&RectControl::Index, &RectControl::set_Index>("i4"),
        property_row<&RectControl::Left, &RectControl::set_Left>("i4"),
        property_row<&RectControl::Top, &RectControl::set_Top>("i4"),
        property_row<&RectControl::Width, &RectControl::set_Width>("i4"),
        property_row<&RectControl::Height, &RectControl::set_Height>("i4"),
        property_row<&RectControl::LockLeft, &RectControl::set_LockLeft>("b"),
        property_row<&RectControl::LockTop, &RectControl::set_LockTop>("b"),
        property_row<&RectControl::LockRight, &RectControl::set_LockRight>("b"),
        property_row<&RectControl::LockBottom, &RectControl::set_LockBottom>("b"),
        property_row<&RectControl::TabPanelIndex, &RectControl::set_TabPanelIndex>("i4"),
        property_row<&RectControl::TabIndex, &RectControl::set_TabIndex>("i4"),
        property_row<&RectControl::TabStop, &RectControl::set_TabStop>("b"),
        property_row<&RectControl::Enabled, &RectControl::set_Enabled>("b"),
        property_row<&RectControl::Visible, &RectControl::set_Visible>("b"),
        property_row<&RectControl::HelpTag, &RectControl::set_HelpTag>("s"),
        property_row<&RectControl::AutoDeactivate, &RectControl::set_AutoDeactivate>("b"),
        property_row<&RectControl::InitialParent, &RectControl::set_InitialParent>("s"),
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
