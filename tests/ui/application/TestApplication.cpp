// The application object: its registration and its menu bar.

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Application.h"
#include "framework/ui/application/Lifecycle.h"
#include "tests/support/runtime/LiveCountTest.h"

using namespace fw;

namespace {

class ApplicationObject : public LiveCountTest {
protected:
    void TearDown() override
    {
        RuntimeExit(); // drops the registration
        LiveCountTest::TearDown();
    }

    static Ref<Application> new_app()
    {
        return RuntimeCheckCast<Application>(RuntimeNewObject(Application::__Lookup()));
    }
    static Ref<MenuBar> new_bar() { return RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup())); }
};

TEST_F(ApplicationObject, NothingRegisteredGivesNil) { EXPECT_EQ(_GetAppObject(), nullptr); }

TEST_F(ApplicationObject, RegistrationKeepsOneReference)
{
    auto app = new_app();
    _RuntimeRegisterAppObject(app.ptr());
    EXPECT_EQ(app->ref_count(), 2u);
    EXPECT_EQ(_GetAppObject(), app);
    EXPECT_EQ(_GetAppObject(), _GetAppObject());
}

TEST_F(ApplicationObject, RegisteringAgainReplacesAndReleasesTheFirst)
{
    WeakRef<Application> first;
    {
        auto app = new_app();
        first = WeakRef<Application>(app.ptr());
        _RuntimeRegisterAppObject(app.ptr());
    }
    auto second = new_app();
    _RuntimeRegisterAppObject(second.ptr());
    EXPECT_TRUE(first.is_nil());
    EXPECT_EQ(_GetAppObject(), second);
}

TEST_F(ApplicationObject, RuntimeExitReleasesTheRegistration)
{
    WeakRef<Application> weak;
    {
        auto app = new_app();
        weak = WeakRef<Application>(app.ptr());
        _RuntimeRegisterAppObject(app.ptr());
    }
    EXPECT_FALSE(weak.is_nil());
    RuntimeExit();
    EXPECT_TRUE(weak.is_nil());
    EXPECT_EQ(_GetAppObject(), nullptr);
}

TEST_F(ApplicationObject, MenuBarIsKeptAndReturned)
{
    auto app = new_app();
    EXPECT_EQ(app->MenuBar(), nullptr);
    auto bar = new_bar();
    app->set_MenuBar(0, bar.ptr());
    EXPECT_EQ(app->MenuBar(), bar);
    EXPECT_EQ(bar->ref_count(), 2u);
    app->set_MenuBar(0, nullptr);
    EXPECT_EQ(bar->ref_count(), 1u);
}

TEST_F(ApplicationObject, MenuBarIndexOtherThanZeroRaises)
{
    auto app = new_app();
    auto bar = new_bar();
    EXPECT_THROW(app->set_MenuBar(1, bar.ptr()), RuntimeError);
    EXPECT_EQ(app->MenuBar(), nullptr);
}

TEST_F(ApplicationObject, MenuBarPropertyThroughReflection)
{
    auto app = new_app();
    auto bar = new_bar();
    auto const* property = Application::__Lookup().find_property("MenuBar");
    property->set_value(*property, app.ptr(), Variant(Ref<Object>(bar)));
    EXPECT_EQ(property->get_value(*property, app.ptr()).to_object(), bar.ptr());
}

bool s_handled = false;
bool app_handler(Object*)
{
    s_handled = true;
    return true;
}

TEST_F(ApplicationObject, MenuCommandSlotRunsTheApplicationsHandler)
{
    auto app = new_app();
    app->_AddMenuHandler("HelpAbout", any_function(&app_handler));
    auto const& vtable = Application::__Lookup().vtable;
    auto handle = typed_function<bool(Object*, String const&)>(vtable[13].entry);
    s_handled = false;
    EXPECT_TRUE(handle(app.ptr(), "HelpAbout"));
    EXPECT_TRUE(s_handled);
    EXPECT_FALSE(handle(app.ptr(), "FileQuit"));
}

}
