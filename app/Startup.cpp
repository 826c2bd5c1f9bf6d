#include "app/Startup.h"

#include "app/App.h"
#include "app/Menu.h"
#include "app/ModuleDelegates.h"
#include "framework/ui/application/FrameworkClasses.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/application/PluginEntrypoints.h"
#include "window/frmMain.h"

#include <exception>
#include <type_traits>

using fw::Ref;

namespace {

// The exception helper's delegate, "( Ptr, Ptr ) as Object": the framework
// calls the helper as ExceptionHelper, whose result is a RuntimeException.
using ExceptionHelperDelegate = Ref<fw::Object>(fw::GuardedRoutine, void*);
static_assert(std::is_same_v<decltype(&fw::_CallFunctionWithExceptionHandling), fw::ExceptionHelper>);

// What _Main's handler reports for an exception that is not a runtime one.
Ref<fw::RuntimeException> as_runtime_exception(std::exception_ptr exception)
{
    try {
        std::rethrow_exception(exception);
    } catch (fw::RuntimeError const& error) {
        return error.object();
    } catch (std::exception const& error) {
        return fw::make<fw::RuntimeException>(error.what());
    } catch (...) {
        return fw::make<fw::RuntimeException>("unknown exception");
    }
}

}

void _Main()
{
    std::exception_ptr escaped;
    try {
        auto helper
            = module_delegates::module_delegate<ExceptionHelperDelegate, &fw::_CallFunctionWithExceptionHandling>(
                "( Ptr, Ptr ) as Object");
        fw::_RuntimeSetExceptionHelper(fw::pointer_form(helper.ptr()));
        helper = nullptr;

        auto startup = module_delegates::module_delegate<void(), &_Startup>("(  )");
        fw::_RunFrameworkInitialization(fw::pointer_form(startup.ptr()));
        startup = nullptr;

        fw::_RuntimeRun();
    } catch (...) {
        escaped = std::current_exception();
    }
    // The report lies outside the protected region: what it raises passes on.
    if (escaped)
        fw::_UnhandledException(as_runtime_exception(escaped).ptr());
}

void _Startup()
{
    fw::_RuntimeInitExternalClasses();
    fw::_InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitFileTypes() { }

void _NewAppInstance()
{
    auto const& cls = App::__Lookup();
    Ref<class App> app;
    {
        auto created = fw::RuntimeCheckCast<class App>(fw::RuntimeNewObject(cls));
        fw::checked(created).Constructor();
        app = created;
    }
    if (!app)
        fw::RaiseNilObjectException();
    auto bar = Menu_Menu();
    app->set_MenuBar(0, bar.ptr());
    bar = nullptr;
    fw::_RuntimeRegisterAppObject(app.ptr());
}

void _ApplicationAddMenuHandlers() { }

void _MakeDefaultView() { (void)frmMain_frmMain(); }

void module_initialize()
{
    fw::build_framework_classes();
    frmMain::__ctblinit();
    Menu::__ctblinit();
    App::__ctblinit();
}

void module_finalize()
{
    fw::release_framework_lists();
    Menu::_implicitInstance___Exit();
}

std::int32_t module_main()
{
    fw::RuntimeInit();
    module_initialize();
    _Main();
    module_finalize();
    return fw::RuntimeExit();
}
