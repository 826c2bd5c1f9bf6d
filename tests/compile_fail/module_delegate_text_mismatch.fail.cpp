// A module routine's delegate text is checked against the type the delegate
// declares: the exception helper's with one pointer does not build.
// Expected error: delegate_text_contradicts_the_handler_type
#include "app/ModuleDelegates.h"
#include "framework/runtime/Exceptions.h"

fw::Ref<fw::Delegate> helper()
{
    return module_delegates::module_delegate<fw::Ref<fw::Object>(fw::GuardedRoutine, void*),
        &fw::_CallFunctionWithExceptionHandling>("( Ptr ) as Object");
}
