#pragma once

// App: the program's application object. It adds nothing to the framework's
// Application but a constructor that does nothing; after start-up only the
// framework's registration holds it, and code reaches it through App().

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Application.h"

class App : public fw::Application {
    FW_OBJECT(App)
public:
    static fw::ClassTable* __ctbl;
    static void __ctblinit();

    virtual void Constructor();
};

// The registered application object cast to App, or nil before one is
// registered. (The function shares the class's name, so the type is spelled
// `class App` where both are in sight.)
fw::Ref<class App> App();
