// A class-table row names its member once; the signature text it carries is
// checked against the member's type, so a row whose text says the handler
// takes nothing while the member takes a control and a key does not build.
// Expected error: signature_text_contradicts_the_member_type
#include "framework/runtime/ClassRows.h"
#include "framework/ui/controls/TextField.h"

class Form final : public fw::Object {
    FW_OBJECT(Form)
public:
    virtual bool Field_KeyDown(fw::TextField*, fw::String const&) { return false; }
};

namespace {

constexpr fw::OperationRow rows[] = {
    fw::operation<&Form::Field_KeyDown>("%b%o<TextField>"),
};

}

std::size_t count_rows() { return fw::method_count(rows); }
