#include "app/App.h"

fw::Ref<class App> App()
{
    auto app = fw::_GetAppObject();
    return fw::RuntimeCheckCast<class App>(app);
}

void App::Constructor() { }
