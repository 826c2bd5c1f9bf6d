// The class table of App: Application's, and one own method, Constructor.

#include "app/App.h"

#include "framework/runtime/Introspection.h"

using namespace fw;

ClassTable* App::__ctbl = nullptr;

namespace {
constexpr AttributeRow public_scope[] = { { "__Scope", "Public" } };
}

void App::__ctblinit()
{
    if (__ctbl)
        return;
    auto const& parent = Application::__Lookup();
    auto* table = RuntimeNewClass(&parent, 48, 0, 10, 0, 19, 0);
    __ctbl = table;
    table->name = "App";
    table->instance_size = sizeof(class App);
    table->factory = []() -> Object* { return new class App; };

    table->vtable = RuntimeNewVtable(std::int32_t(parent.vtable.size() + 1));
    std::copy(parent.vtable.begin(), parent.vtable.end(), table->vtable.begin());
    table->vtable.back() = vtable_slot<&App::Constructor>("Constructor");

    MethodRow const rows[] = {
        method_row<&App::Constructor>("Constructor", "%%", &Introspection::Invoke<void()>, public_scope),
    };
    fill_methods(*table, parent.methods.size(), rows);
}

ClassTable const& App::__Lookup()
{
    if (!__ctbl)
        __ctblinit();
    return *__ctbl;
}
