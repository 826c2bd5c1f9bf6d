#include "tests/ui/UiTestSupport.h"

#include <QTimer>

namespace uitest {

namespace {

    TestWindow& self(fw::Object* object) { return *static_cast<TestWindow*>(object); }

    void layout(fw::Object* object)
    {
        TestWindow::log().push_back("Layout");
        if (TestWindow::on_layout())
            TestWindow::on_layout()(self(object));
    }
    void create_controls(fw::Object* object)
    {
        TestWindow::log().push_back("CreateControls");
        if (TestWindow::on_create_controls())
            TestWindow::on_create_controls()(self(object));
    }
    void add_menu_handlers(fw::Object* object, fw::Window* window)
    {
        TestWindow::log().push_back(window == object ? "AddMenuHandlers(self)" : "AddMenuHandlers(other)");
    }
    void open(fw::Object* object)
    {
        TestWindow::log().push_back("Open");
        if (TestWindow::on_open())
            TestWindow::on_open()(self(object));
    }
    bool answer_cancel_close(fw::Object*, bool)
    {
        TestWindow::log().push_back("CancelClose");
        return TestWindow::cancel_close();
    }

    void set_handler(fw::ClassTable& table, char const* event, fw::AnyFunction handler)
    {
        table.events.at(std::size_t(table.event_index(event))).handler = handler;
    }

}

fw::ClassTable const& TestWindow::__Lookup()
{
    static fw::ClassTable const* const table = [] {
        auto* t = fw::build_class(fw::ClassSpec {
            .name = ClassName,
            .base = &fw::Window::__Lookup(),
            .instance_size = sizeof(TestWindow),
            .factory = []() -> fw::Object* { return new TestWindow; },
        });
        set_handler(*t, "Layout", fw::any_function(&layout));
        set_handler(*t, "CreateControls", fw::any_function(&create_controls));
        set_handler(*t, "AddMenuHandlers", fw::any_function(&add_menu_handlers));
        set_handler(*t, "Open", fw::any_function(&open));
        set_handler(*t, "CancelClose", fw::any_function(&answer_cancel_close));
        return t;
    }();
    return *table;
}

std::vector<std::string>& TestWindow::log()
{
    static std::vector<std::string> instance;
    return instance;
}
std::function<void(TestWindow&)>& TestWindow::on_layout()
{
    static std::function<void(TestWindow&)> instance;
    return instance;
}
std::function<void(TestWindow&)>& TestWindow::on_create_controls()
{
    static std::function<void(TestWindow&)> instance;
    return instance;
}
std::function<void(TestWindow&)>& TestWindow::on_open()
{
    static std::function<void(TestWindow&)> instance;
    return instance;
}
bool& TestWindow::cancel_close()
{
    static bool instance = false;
    return instance;
}

void TestWindow::reset_hooks()
{
    log().clear();
    on_layout() = nullptr;
    on_create_controls() = nullptr;
    on_open() = nullptr;
    cancel_close() = false;
}

void clear_pending_quit()
{
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}

fw::Ref<TestWindow> construct_test_window()
{
    auto window = fw::RuntimeCheckCast<TestWindow>(fw::RuntimeNewObject(TestWindow::__Lookup()));
    window->Constructor();
    return window;
}

}
