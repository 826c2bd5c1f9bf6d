// A delegate's signature text is checked against its handler's type: a text
// naming a Label for a handler of a TextField does not build.
// Expected error: delegate_text_contradicts_the_handler_type
#include "framework/runtime/Signature.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"

char const* label_text()
{
    fw::CheckedDelegateSignature<void(fw::TextField*)> const signature("( Label )");
    return signature.text;
}
