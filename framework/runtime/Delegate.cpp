#include "framework/runtime/Delegate.h"

namespace fw {

Delegate::Delegate(AnyFunction invoker, AnyFunction function, Object* target, std::string signature, std::int32_t kind)
    : m_invoker(invoker)
    , m_function(function)
    , m_target(kind == WeakKind ? nullptr : target)
    , m_weak_target(kind == WeakKind ? target : nullptr)
    , m_signature(std::move(signature))
    , m_kind(kind)
{
}

Ref<Delegate> RuntimeCreateDelegate(
    AnyFunction invoker, AnyFunction function, Object* target, std::string signature, std::int32_t kind)
{
    return make<Delegate>(invoker, function, target, std::move(signature), kind);
}

ClassTable const& Delegate::__Lookup()
{
    static ClassTable const* table = build_class(ClassSpec {
        .name = "Delegate",
        .base = &Object::__Lookup(),
        .instance_size = sizeof(Delegate),
    });
    return *table;
}

}
