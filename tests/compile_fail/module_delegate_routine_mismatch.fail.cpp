// Two pointers read "( Ptr, Ptr )" whatever they point to, so the routine
// itself must take the parameters its delegate declares: the exception
// helper declared over two plain pointers does not build.
// Expected error: the routine does not take the parameters its delegate declares
#include "app/ModuleDelegates.h"
#include "framework/runtime/Exceptions.h"

fw::Ref<fw::Delegate> helper()
{
    return module_delegates::module_delegate<fw::Ref<fw::Object>(void*, void*),
        &fw::_CallFunctionWithExceptionHandling>("( Ptr, Ptr ) as Object");
}
