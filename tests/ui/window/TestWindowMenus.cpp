// A window showing the application's menu bar: updates before a menu opens
// and before a shortcut, menu handlers, the standard editing items.

#include "framework/runtime/Runtime.h"
#include "framework/ui/application/Application.h"
#include "framework/ui/application/Gate_p.h"
#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/menus/MenuItem_p.h"
#include "framework/ui/window/WindowMenus_p.h"
#include "framework/ui/window/Window_p.h"
#include "tests/support/runtime/LiveCountTest.h"
#include "tests/ui/menus/MenuEntries.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace fw;

namespace {

// What the window's handlers saw, in order.
std::vector<std::string> s_log;
bool s_quit_answer = false;
bool s_quit_enabled_at_event = true;

class MenuWindow : public Window {
    FW_OBJECT(MenuWindow)
};

void on_enable_menu_items(Object*)
{
    s_log.push_back("EnableMenuItems");
    if (auto app = _GetAppObject())
        s_quit_enabled_at_event = app->MenuBar()->_Lookup("FileQuit")->Enabled();
}

bool on_file_quit(Object* window)
{
    s_log.push_back(std::string("FileQuit:") + window->class_table().name);
    return s_quit_answer;
}

ClassTable const& MenuWindow::__Lookup()
{
    static ClassTable const* table = [] {
        auto* t = build_class(ClassSpec {
            .name = "MenuWindow",
            .base = &Window::__Lookup(),
            .instance_size = sizeof(MenuWindow),
            .factory = []() -> Object* { return new MenuWindow; },
        });
        t->events[std::size_t(t->event_index("EnableMenuItems"))].handler = any_function(&on_enable_menu_items);
        return t;
    }();
    return *table;
}

Ref<MenuItem> entry(
    char const* name, char const* text, char const* shortcut = "", ClassTable const& cls = MenuItem::__Lookup())
{
    auto item = uitest::menu_entry(name, text, shortcut, cls);
    item->set_AutoEnable(true);
    return item;
}

Ref<MenuBar> standard_bar()
{
    auto bar = RuntimeCheckCast<MenuBar>(RuntimeNewObject(MenuBar::__Lookup()));
    auto file = entry("UntitledMenu2", "File");
    file->Append(entry("FileQuit", "Quit", "Cmd+Q", QuitMenuItem::__Lookup()).ptr());
    file->Append(entry("FileOther", "Other").ptr());
    bar->Append(file.ptr());
    auto edit = entry("UntitledMenu0", "Edit");
    for (auto [name, text, key] :
        { std::tuple { "EditUndo", "Undo", "Cmd+Z" }, { "UntitledMenu1", "-", "" }, { "EditCut", "Cut", "Cmd+X" },
            { "EditCopy", "Copy", "Cmd+C" }, { "EditPaste", "Paste", "Cmd+V" }, { "EditClear", "Clear", "" } })
        edit->Append(entry(name, text, key).ptr());
    bar->Append(edit.ptr());
    return bar;
}

class WindowMenus : public LiveCountTest {
protected:
    void SetUp() override
    {
        RuntimeInit();
        s_log.clear();
        s_quit_answer = false;
        auto app = RuntimeCheckCast<Application>(RuntimeNewObject(Application::__Lookup()));
        app->set_MenuBar(0, standard_bar().ptr());
        _RuntimeRegisterAppObject(app.ptr());
    }
    void TearDown() override
    {
        field = nullptr;
        if (window)
            window->close();
        window = nullptr;
        detail::release_window_lists();
        RuntimeExit();
        LiveCountTest::TearDown();
    }

    void open_window(bool with_quit_handler = true)
    {
        window = RuntimeCheckCast<MenuWindow>(RuntimeNewObject(MenuWindow::__Lookup()));
        if (with_quit_handler)
            window->_AddMenuHandler("FileQuit", any_function(&on_file_quit));
        window->Constructor();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main()));
    }
    void add_focused_field(char const* text)
    {
        field = new QLineEdit(window->d().content());
        field->setText(text);
        field->show();
        field->setFocus();
    }

    QMainWindow* main() const { return window->d().main_window(); }
    QAction* action(char const* name) const { return main()->findChild<QAction*>(name); }
    Ref<MenuItem> item(char const* name) const { return _GetAppObject()->MenuBar()->_Lookup(name); }

    Ref<MenuWindow> window;
    QLineEdit* field { nullptr };
};

TEST_F(WindowMenus, WindowShowsTheApplicationsBar)
{
    open_window();
    auto* qbar = qobject_cast<QMenuBar*>(main()->menuWidget());
    ASSERT_NE(qbar, nullptr);
    ASSERT_EQ(qbar->actions().size(), 2);
    EXPECT_EQ(qbar->actions()[0]->text(), "&File");
    EXPECT_EQ(qbar->actions()[1]->text(), "&Edit");
    ASSERT_NE(action("FileQuit"), nullptr);
    EXPECT_EQ(action("FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(action("UntitledMenu1")->isSeparator());
}

TEST_F(WindowMenus, BarSetAfterTheWindowOpenedIsShownToo)
{
    _GetAppObject()->set_MenuBar(0, nullptr);
    open_window();
    EXPECT_EQ(action("FileQuit"), nullptr);
    _GetAppObject()->set_MenuBar(0, standard_bar().ptr());
    EXPECT_NE(action("FileQuit"), nullptr);
}

TEST_F(WindowMenus, EnableMenuItemsComesBeforeTheMenuShows)
{
    open_window();
    item("FileQuit")->set_Enabled(false);
    item("FileOther")->set_Enabled(true);
    auto* file_menu = qobject_cast<QMenuBar*>(main()->menuWidget())->actions()[0]->menu();
    file_menu->popup(main()->mapToGlobal(QPoint(0, 0)));
    EXPECT_EQ(s_log, std::vector<std::string> { "EnableMenuItems" });
    EXPECT_FALSE(s_quit_enabled_at_event) << "AutoEnable items are cleared before the event";
    EXPECT_TRUE(action("FileQuit")->isEnabled()) << "it has a handler";
    EXPECT_FALSE(action("FileOther")->isEnabled()) << "no handler, nothing enables it";
    file_menu->hide();
}

TEST_F(WindowMenus, ItemWithoutAutoEnableKeepsItsState)
{
    open_window();
    item("FileOther")->set_AutoEnable(false);
    item("FileOther")->set_Enabled(true);
    detail::update_menus(*window);
    EXPECT_TRUE(action("FileOther")->isEnabled());
}

TEST_F(WindowMenus, ChoosingRunsTheHandlerOnTheWindow)
{
    open_window();
    s_quit_answer = true;
    action("FileQuit")->trigger();
    EXPECT_EQ(s_log, std::vector<std::string> { "FileQuit:MenuWindow" });
    EXPECT_FALSE(quit_requested()) << "True: the handler took the command";
}

TEST_F(WindowMenus, QuitItemQuitsWhenTheHandlerAnswersFalse)
{
    open_window();
    action("FileQuit")->trigger();
    EXPECT_EQ(s_log, std::vector<std::string> { "FileQuit:MenuWindow" });
    EXPECT_TRUE(quit_requested());
    EXPECT_EQ(quit_code(), 0);
}

TEST_F(WindowMenus, QuitItemWithoutHandlerQuits)
{
    open_window(false);
    detail::update_menus(*window);
    EXPECT_TRUE(action("FileQuit")->isEnabled());
    action("FileQuit")->trigger();
    EXPECT_TRUE(quit_requested());
}

TEST_F(WindowMenus, ShortcutUpdatesTheMenusFirst)
{
    open_window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main()));
    item("FileQuit")->set_Enabled(false); // as a stale update may have left it
    QTest::keyClick(main(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(s_log, (std::vector<std::string> { "EnableMenuItems", "FileQuit:MenuWindow" }));
}

TEST_F(WindowMenus, OrdinaryKeysRaiseNoMenuUpdate)
{
    open_window();
    add_focused_field("");
    QTest::keyClicks(field, "12");
    QTest::keyClick(field, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(s_log.empty());
}

TEST_F(WindowMenus, HandlerExceptionIsKeptNotThrownThroughQt)
{
    open_window(false);
    window->_AddMenuHandler("FileOther", any_function(+[](Object*) -> bool { RaiseNilObjectException(); }));
    action("FileOther")->trigger();
    EXPECT_TRUE(detail::exception_pending());
    try {
        _RuntimeRun();
        ADD_FAILURE() << "not raised";
    } catch (RuntimeError const& error) {
        EXPECT_EQ(error.exception().class_table().name, "NilObjectException");
    }
}

// The editing items on the focused field: what each is enabled for, and
// what it does.
struct EditRow {
    char const* name;
    char const* item;
    bool read_only;
    bool select_all;
    char const* clipboard;
    bool enabled;
    char const* text_after; // the field's text after choosing the item
    char const* clipboard_after;
};

class EditItems : public WindowMenus, public ::testing::WithParamInterface<EditRow> { };

TEST_P(EditItems, EnabledAsTheFieldAllowsAndActOnIt)
{
    auto const& row = GetParam();
    open_window();
    add_focused_field("hello");
    field->setReadOnly(row.read_only);
    if (row.select_all)
        field->selectAll();
    else
        field->end(false);
    QGuiApplication::clipboard()->setText(row.clipboard);
    detail::update_menus(*window);
    EXPECT_EQ(action(row.item)->isEnabled(), row.enabled);
    detail::choose_menu_item(*window, *item(row.item));
    EXPECT_EQ(field->text().toStdString(), row.text_after);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row.clipboard_after);
}

INSTANTIATE_TEST_SUITE_P(Rows, EditItems,
    ::testing::Values(EditRow { "CopySelection", "EditCopy", false, true, "", true, "hello", "hello" },
        EditRow { "CopyNothingSelected", "EditCopy", false, false, "old", false, "hello", "old" },
        EditRow { "CutSelection", "EditCut", false, true, "", true, "", "hello" },
        EditRow { "CutReadOnly", "EditCut", true, true, "old", false, "hello", "old" },
        EditRow { "CopyReadOnly", "EditCopy", true, true, "", true, "hello", "hello" },
        EditRow { "Paste", "EditPaste", false, false, " world", true, "hello world", " world" },
        EditRow { "PasteOverSelection", "EditPaste", false, true, "bye", true, "bye", "bye" },
        EditRow { "PasteEmptyClipboard", "EditPaste", false, false, "", false, "hello", "" },
        EditRow { "PasteReadOnly", "EditPaste", true, false, "x", false, "hello", "x" },
        EditRow { "ClearSelection", "EditClear", false, true, "keep", true, "", "keep" },
        EditRow { "ClearNothingSelected", "EditClear", false, false, "keep", false, "hello", "keep" },
        EditRow { "UndoNothingToUndo", "EditUndo", false, false, "", false, "hello", "" }),
    [](auto const& info) { return std::string(info.param.name); });

TEST_F(WindowMenus, UndoTakesBackAPaste)
{
    open_window();
    add_focused_field("hello");
    field->end(false);
    QGuiApplication::clipboard()->setText("!");
    detail::choose_menu_item(*window, *item("EditPaste"));
    ASSERT_EQ(field->text(), "hello!");
    detail::update_menus(*window);
    EXPECT_TRUE(action("EditUndo")->isEnabled());
    action("EditUndo")->trigger();
    EXPECT_EQ(field->text(), "hello");
}

TEST_F(WindowMenus, EditItemsDisabledWithoutAFocusedField)
{
    open_window();
    QGuiApplication::clipboard()->setText("x");
    detail::update_menus(*window);
    for (auto const* name : { "EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear" })
        EXPECT_FALSE(action(name)->isEnabled()) << name;
}

}
