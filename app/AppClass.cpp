// The class table of App: Application's, and one own method, Constructor.

#include "app/App.h"

#include "framework/runtime/ClassRows.h"

using namespace fw;

ClassTable* App::__ctbl = nullptr;

namespace {

constexpr OperationRow own_operations[] = {
    operation<&App::Constructor>("%%", public_scope),
};

// The table's counts are Application's plus the own rows: 48 methods, and
// Application's 10 events and 19 properties, App adding none.
static_assert(ApplicationMethodCount + method_count(own_operations) == 48);
static_assert(ApplicationEventCount == 10 && ApplicationPropertyCount == 19);

}

void App::__ctblinit()
{
    if (__ctbl)
        return;
    __ctbl = build_class(ClassSpec {
        .name = "App",
        .base = &Application::__Lookup(),
        .instance_size = sizeof(class App),
        .factory = []() -> Object* { return new class App; },
        .operations = own_operations,
    });
}

ClassTable const& App::__Lookup()
{
    if (!__ctbl)
        __ctblinit();
    return *__ctbl;
}
