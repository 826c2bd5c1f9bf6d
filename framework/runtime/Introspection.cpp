#include "framework/runtime/Introspection.h"

#include <string>

namespace fw {

namespace detail {

    Variant const& argument_at(std::vector<Variant> const& args, std::size_t index)
    {
        if (index >= args.size())
            raise(make<RuntimeException>("reflection call: argument " + std::to_string(index) + " is missing"));
        return args[index];
    }

}

namespace Introspection {

    template Variant Invoke<void()>(AnyFunction, Object*, std::vector<Variant> const*);
    template Variant Invoke<bool(bool)>(AnyFunction, Object*, std::vector<Variant> const*);
    template Variant Invoke<bool()>(AnyFunction, Object*, std::vector<Variant> const*);
    template Variant Invoke<String(std::int32_t)>(AnyFunction, Object*, std::vector<Variant> const*);

}

}
