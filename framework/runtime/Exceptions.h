#pragma once

// The runtime's exception classes, and how they travel as C++ exceptions.
//
// An exception object is an ordinary counted Object of the RuntimeException
// tree. Raising one throws a RuntimeError that carries a reference to it, so
// every catch site sees the same object and can ask its class.

#include "framework/runtime/Ref.h"

#include <exception>
#include <string>

namespace fw {

class RuntimeException : public Object {
    FW_OBJECT(RuntimeException)
public:
    explicit RuntimeException(std::string message = {});
    std::string const& message() const noexcept { return m_message; }

private:
    std::string m_message;
};

class NilObjectException final : public RuntimeException {
    FW_OBJECT(NilObjectException)
public:
    using RuntimeException::RuntimeException;
};

class IllegalCastException final : public RuntimeException {
    FW_OBJECT(IllegalCastException)
public:
    using RuntimeException::RuntimeException;
};

// The C++ carrier of a raised runtime exception.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(Ref<RuntimeException> exception);
    RuntimeException& exception() const noexcept { return *m_exception; }
    Ref<RuntimeException> const& object() const noexcept { return m_exception; }
    char const* what() const noexcept override { return m_what.c_str(); }

private:
    Ref<RuntimeException> m_exception;
    std::string m_what;
};

[[noreturn]] void raise(Ref<RuntimeException> exception);
[[noreturn]] void RaiseNilObjectException();

template<typename T>
T& checked(T* object)
{
    if (!object)
        RaiseNilObjectException();
    return *object;
}
template<typename T>
T& checked(Ref<T> const& object)
{
    return checked(object.ptr());
}

// Calls routine(argument). Gives nil when it returned, the exception object
// when it raised a RuntimeException or a subclass; any other C++ exception
// passes on unchanged.
using GuardedRoutine = void (*)(void* argument);
Ref<RuntimeException> _CallFunctionWithExceptionHandling(GuardedRoutine routine, void* argument);

}
