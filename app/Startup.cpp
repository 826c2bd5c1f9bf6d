#include "app/Startup.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Signature.h"
#include "framework/ui/application/FrameworkClasses.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/application/PluginEntrypoints.h"
#include "window/frmMain.h"

#include <exception>

using fw::Ref;

namespace {

// Delegate.Invoke for "( Ptr, Ptr ) as Object": the exception helper's.
using ExceptionHelper = Ref<fw::RuntimeException>(fw::GuardedRoutine, void*);
Ref<fw::RuntimeException> Delegate_Invoke_Ptr_Ptr_Object(
    fw::Delegate* delegate, fw::GuardedRoutine routine, void* argument)
{
    return fw::typed_function<ExceptionHelper>(delegate->function())(routine, argument);
}

// Delegate.Invoke for "(  )": the start-up routine's.
void Delegate_Invoke(fw::Delegate* delegate) { fw::typed_function<void()>(delegate->function())(); }

Ref<fw::Delegate> module_delegate(fw::AnyFunction invoker, fw::AnyFunction function, char const* signature)
{
    return fw::RuntimeCreateDelegate(invoker, function, nullptr, signature, 0);
}

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
        auto helper = module_delegate(fw::any_function(&Delegate_Invoke_Ptr_Ptr_Object),
            fw::any_function(&fw::_CallFunctionWithExceptionHandling), "( Ptr, Ptr ) as Object");
        fw::_RuntimeSetExceptionHelper(fw::pointer_form(helper.ptr()));
        helper = nullptr;

        fw::CheckedDelegateSignature<decltype(_Startup)> const startup_signature("(  )");
        auto startup
            = module_delegate(fw::any_function(&Delegate_Invoke), fw::any_function(&_Startup), startup_signature.text);
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
