// An object property's type text is checked against the field it reads: a
// Date field entered as "o<Window>" does not build.
// Expected error: type_text_contradicts_the_value_type
#include "framework/date/Date.h"
#include "framework/runtime/ClassRows.h"

class Holder final : public fw::Object {
    FW_OBJECT(Holder)
public:
    fw::Ref<fw::Date> When;
};

fw::PropertyRow when_row() { return fw::object_field_row<&Holder::When>("o<Window>", {}, fw::MarkReadWriteProperty); }
