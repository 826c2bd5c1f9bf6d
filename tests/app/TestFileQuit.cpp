// FileQuit: the Quit item found, on every call, in the registered
// application object's menu bar, and App(), through which it goes.

#include "app/App.h"
#include "app/Menu.h"
#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Lifecycle.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/support/runtime/RaisedClass.h"

#include <gtest/gtest.h>

using namespace fw;
using test_support::raised_class;

namespace {

class FileQuitTest : public LiveCountTest {
protected:
    void SetUp() override { RuntimeInit(); }
    void TearDown() override
    {
        (void)RuntimeExit(); // drops the registration
        Menu::_implicitInstance___Exit();
        LiveCountTest::TearDown();
    }
    // An App registered as start-up leaves it, its bar the singleton.
    static void register_app(MenuBar* bar)
    {
        auto app = new_object<class App>();
        app->set_MenuBar(0, bar);
        _RuntimeRegisterAppObject(app.ptr());
    }
    static Ref<MenuItem> file_menu() { return Menu::_implicitInstance->Child("UntitledMenu2"); }
};

TEST_F(FileQuitTest, FindsTheQuitItemInsideTheFileMenu)
{
    register_app(Menu_Menu().ptr());
    auto quit = FileQuit();
    ASSERT_TRUE(quit);
    EXPECT_EQ(Menu::_implicitInstance->Child("FileQuit"), nullptr) << "not a direct child of the bar";
    EXPECT_EQ(quit, file_menu()->Child("FileQuit"));
    EXPECT_EQ(quit->ref_count(), 2u) << "the File menu and the caller";
}

TEST_F(FileQuitTest, AppGivesTheOneRegisteredObjectOnEveryCall)
{
    register_app(Menu_Menu().ptr());
    auto first = App();
    ASSERT_TRUE(first);
    EXPECT_EQ(first, App());
    EXPECT_EQ(first.ptr(), _GetAppObject().ptr());
}

TEST_F(FileQuitTest, NothingIsCached)
{
    register_app(Menu_Menu().ptr());
    ASSERT_TRUE(FileQuit());
    file_menu()->Remove("FileQuit");
    EXPECT_EQ(FileQuit(), nullptr) << "a lookup that finds nothing gives nil";

    auto other = new_object<MenuBar>();
    auto quit = new_object<QuitMenuItem>();
    quit->set_Name("FileQuit");
    other->Append(quit.ptr());
    App()->set_MenuBar(0, other.ptr());
    EXPECT_EQ(FileQuit(), quit);
}

TEST_F(FileQuitTest, NoApplicationObjectRaisesNilObjectException)
{
    (void)Menu_Menu();
    EXPECT_EQ(App(), nullptr);
    EXPECT_EQ(raised_class([] { (void)FileQuit(); }), "NilObjectException");
}

TEST_F(FileQuitTest, AnApplicationObjectWithoutMenuBarRaisesNilObjectException)
{
    (void)Menu_Menu();
    register_app(nullptr);
    EXPECT_EQ(raised_class([] { (void)FileQuit(); }), "NilObjectException");
}

TEST_F(FileQuitTest, AnotherApplicationClassFailsTheCastInApp)
{
    auto plain = new_object<Application>();
    plain->set_MenuBar(0, Menu_Menu().ptr());
    _RuntimeRegisterAppObject(plain.ptr());
    EXPECT_EQ(raised_class([] { (void)App(); }), "IllegalCastException");
    EXPECT_EQ(raised_class([] { (void)FileQuit(); }), "IllegalCastException");
}

TEST_F(FileQuitTest, AnItemNamedFileQuitOfAnotherClassFailsTheCast)
{
    register_app(Menu_Menu().ptr());
    file_menu()->Remove("FileQuit");
    auto plain = new_object<MenuItem>();
    plain->set_Name("FileQuit");
    file_menu()->Append(plain.ptr());
    EXPECT_EQ(raised_class([] { (void)FileQuit(); }), "IllegalCastException");
}

}
