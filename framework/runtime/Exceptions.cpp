#include "framework/runtime/Exceptions.h"

#include "framework/runtime/ClassTable.h"

namespace fw {

RuntimeException::RuntimeException(std::string message)
    : m_message(std::move(message))
{
}

RuntimeError::RuntimeError(Ref<RuntimeException> exception)
    : m_exception(exception ? std::move(exception) : make<NilObjectException>())
    , m_what(m_exception->class_table().name)
{
    if (!m_exception->message().empty())
        m_what += ": " + m_exception->message();
}

void raise(Ref<RuntimeException> exception)
{
    if (!exception)
        RaiseNilObjectException();
    throw RuntimeError(std::move(exception));
}

void RaiseNilObjectException() { throw RuntimeError(make<NilObjectException>()); }

Ref<RuntimeException> _CallFunctionWithExceptionHandling(GuardedRoutine routine, void* argument)
{
    try {
        routine(argument);
    } catch (RuntimeError const& error) {
        return error.object();
    }
    return nullptr;
}

namespace {
    template<typename T>
    ClassTable const& exception_class(char const* name, ClassTable const& base)
    {
        static ClassTable const* table = build_class(ClassSpec {
            .name = name,
            .base = &base,
            .instance_size = sizeof(T),
            .factory = []() -> Object* { return new T; },
        });
        return *table;
    }
}

ClassTable const& RuntimeException::__Lookup()
{
    return exception_class<RuntimeException>("RuntimeException", Object::__Lookup());
}
ClassTable const& NilObjectException::__Lookup()
{
    return exception_class<NilObjectException>("NilObjectException", RuntimeException::__Lookup());
}
ClassTable const& IllegalCastException::__Lookup()
{
    return exception_class<IllegalCastException>("IllegalCastException", RuntimeException::__Lookup());
}

}
