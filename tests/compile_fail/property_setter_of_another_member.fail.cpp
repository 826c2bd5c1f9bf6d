// A row takes its names from its members: a property row is named for its
// getter, and its setter must be that getter's set_<Name>, so a row that
// pairs Width with Height's setter does not build.
// Expected error: the setter is another member's
#include "framework/runtime/ClassRows.h"

class Box final : public fw::Object {
    FW_OBJECT(Box)
public:
    std::int32_t Width() const;
    void set_Width(std::int32_t);
    std::int32_t Height() const;
    void set_Height(std::int32_t);
};

fw::PropertyRow width_row() { return fw::property_row<&Box::Width, &Box::set_Height>("i4"); }
