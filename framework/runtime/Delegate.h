#pragma once

// A delegate: a routine bound to a target, as control-event bindings, menu
// handlers and the start-up hand-over use it.
//
// Kind 1 holds its target weakly, so a binding never keeps a window alive and
// reads nil once the window is gone; any other kind holds the target as
// passed (nil for a module-level routine). The pointer form of a delegate,
// handed over where a plain routine pointer is taken, is its function entry.

#include "framework/runtime/ClassTable.h"
#include "framework/runtime/WeakRef.h"

#include <string>

namespace fw {

class Delegate final : public Object {
    FW_OBJECT(Delegate)
public:
    static constexpr std::int32_t WeakKind = 1;

    Delegate(AnyFunction invoker, AnyFunction function, Object* target, std::string signature, std::int32_t kind);

    AnyFunction invoker() const noexcept { return m_invoker; }
    AnyFunction function() const noexcept { return m_function; }
    std::int32_t kind() const noexcept { return m_kind; }
    std::string const& signature() const noexcept { return m_signature; }
    // The target as it stands now: for kind 1 the weak reference resolved
    // (nil once the object is gone), otherwise the object as passed.
    Object* target() const noexcept { return m_kind == WeakKind ? m_weak_target.ptr() : m_target.ptr(); }

private:
    AnyFunction m_invoker;
    AnyFunction m_function;
    Ref<Object> m_target;
    WeakRef<Object> m_weak_target;
    std::string m_signature;
    std::int32_t m_kind;
};

Ref<Delegate> RuntimeCreateDelegate(
    AnyFunction invoker, AnyFunction function, Object* target, std::string signature, std::int32_t kind);

// The function entry, or null for a nil delegate.
inline AnyFunction pointer_form(Delegate const* delegate) noexcept { return delegate ? delegate->function() : nullptr; }

}
