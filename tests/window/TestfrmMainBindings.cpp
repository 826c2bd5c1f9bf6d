// The road of a control event, from a real Qt event through the control's
// own event table, the stub and the delegate's invoker to the handler.

#include "WindowTestSupport.h"

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/window/Window_p.h"
#include "window/ControlBindings.h"

#include <QApplication>
#include <QTest>

using namespace fw;
using window_test::handler_calls;
using window_test::HandlerCall;
using window_test::RecordingWindow;

namespace {

constexpr char const* unbound_controls[] = { "StaticText1", "StaticText2", "StaticText3", "efStartDay", "efEndDay",
    "efWeekdays", "efWeekenddays", "StaticText4", "StaticText5", "efTotal", "StaticText6" };

QWidget* widget_of(Window& window, char const* name) { return window._ControlByName(name)->d().widget(); }

// A constructed, shown and active recording window; closed at the end.
class EventRoad : public window_test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_window = RecordingWindow::construct();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window->d().main_window()));
        handler_calls().clear();
    }
    void TearDown() override
    {
        window_test::close_window(*m_window);
        m_window = nullptr;
        WindowTest::TearDown();
    }

    QWidget* widget(char const* name) { return widget_of(*m_window, name); }
    void const* control(char const* name) { return m_window->_ControlByName(name).ptr(); }
    HandlerCall call(char const* handler, char const* control_name, std::string key = {})
    {
        return HandlerCall { handler, m_window.ptr(), control(control_name), std::move(key) };
    }

    Ref<RecordingWindow> m_window;
};

}

TEST_F(EventRoad, TheWindowOpensWithFocusInTheStartField) { EXPECT_EQ(QApplication::focusWidget(), widget("efStart")); }

TEST_F(EventRoad, FocusLeavingEachDateFieldRunsItsOwnHandlerWithThatField)
{
    QTest::mouseClick(widget("efEnd"), Qt::LeftButton);
    QTest::mouseClick(widget("efStart"), Qt::LeftButton);
    std::vector<HandlerCall> const expected {
        call("efStart_LostFocus", "efStart"),
        call("efEnd_LostFocus", "efEnd"),
    };
    EXPECT_EQ(handler_calls(), expected);
}

TEST_F(EventRoad, BothDateFieldsShareOneStubAndOneInvokerPerEvent)
{
    auto start = m_window->efStart();
    auto end = m_window->efEnd();
    for (std::int32_t index : { TextFieldLostFocus.index, TextFieldKeyDown.index }) {
        SCOPED_TRACE(index);
        auto const* a = start->event_entry(index);
        auto const* b = end->event_entry(index);
        EXPECT_EQ(a->handler, b->handler);
        EXPECT_EQ(a->delegate->invoker(), b->delegate->invoker());
        EXPECT_NE(a->delegate.ptr(), b->delegate.ptr());
        EXPECT_EQ(a->delegate->kind(), Delegate::WeakKind);
        EXPECT_EQ(a->delegate->target(), m_window.ptr());
    }
    EXPECT_EQ(start->event_entry(TextFieldLostFocus)->handler, any_function(&bindings::Stub<TextFieldLostFocus>::call));
    EXPECT_EQ(start->event_entry(TextFieldKeyDown)->handler, any_function(&bindings::Stub<TextFieldKeyDown>::call));
    EXPECT_EQ(start->event_entry(TextFieldKeyDown)->delegate->signature(), "( TextField, String ) as Boolean");
    auto button = m_window->BevelButton1();
    EXPECT_EQ(button->event_entry(BevelButtonAction)->handler, any_function(&bindings::Stub<BevelButtonAction>::call));
    EXPECT_EQ(button->event_entry(BevelButtonAction)->delegate->signature(), "( BevelButton )");
}

TEST_F(EventRoad, EachDelegateCallsTheNamedInvokerOfItsHandlersSignature)
{
    auto start = m_window->efStart();
    EXPECT_EQ(start->event_entry(TextFieldLostFocus)->delegate->invoker(),
        any_function(&bindings::Invoker<void(TextField*)>::call));
    EXPECT_EQ(start->event_entry(TextFieldKeyDown)->delegate->invoker(),
        any_function(&bindings::Invoker<bool(TextField*, String const&)>::call));
    EXPECT_EQ(m_window->BevelButton1()->event_entry(BevelButtonAction)->delegate->invoker(),
        any_function(&bindings::Invoker<void(BevelButton*)>::call));
}

TEST_F(EventRoad, EveryKeyTypedReachesKeyDownWithItsTextAndIsLeftToTheField)
{
    m_window->efStart()->set_Text(""); // Open wrote today's date there
    QTest::keyClicks(widget("efStart"), "1/2");
    QTest::keyClick(widget("efStart"), Qt::Key_Return);
    QTest::keyClicks(widget("efEnd"), "x");
    std::vector<HandlerCall> const expected {
        call("efStart_KeyDown", "efStart", "1"),
        call("efStart_KeyDown", "efStart", "/"),
        call("efStart_KeyDown", "efStart", "2"),
        call("efStart_KeyDown", "efStart", "\r"),
        call("efEnd_KeyDown", "efEnd", "x"),
    };
    EXPECT_EQ(handler_calls(), expected);
    // A False answer consumes nothing: the field took every key.
    EXPECT_EQ(m_window->efStart()->Text(), "1/2");
    EXPECT_EQ(m_window->efEnd()->Text(), "x");
}

TEST_F(EventRoad, KeyDownsAnswerPassesBackThroughStubAndInvoker)
{
    auto start = m_window->efStart();
    start->set_Text("");
    EXPECT_FALSE(bindings::Stub<TextFieldKeyDown>::call(start.ptr(), "7"));
    m_window->key_answer = true;
    EXPECT_TRUE(bindings::Stub<TextFieldKeyDown>::call(start.ptr(), "8"));
    // A True answer keeps the key from the field.
    QTest::keyClicks(widget("efStart"), "9");
    EXPECT_EQ(start->Text(), "");
    std::vector<HandlerCall> const expected {
        call("efStart_KeyDown", "efStart", "7"),
        call("efStart_KeyDown", "efStart", "8"),
        call("efStart_KeyDown", "efStart", "9"),
    };
    EXPECT_EQ(handler_calls(), expected);
}

TEST_F(EventRoad, TheElevenOtherControlsHaveNoBindingAndRunNoProgramCode)
{
    // Focus leaving efStart would rightly run its handler: start elsewhere.
    QTest::mouseClick(widget("efStartDay"), Qt::LeftButton);
    handler_calls().clear();
    for (char const* name : unbound_controls) {
        SCOPED_TRACE(name);
        auto control = m_window->_ControlByName(name);
        for (auto const& entry : control->event_table()) {
            EXPECT_EQ(entry.handler, nullptr);
            EXPECT_TRUE(entry.delegate.is_nil());
        }
        QTest::mouseClick(widget(name), Qt::LeftButton);
        QTest::keyClicks(widget(name), "5");
    }
    EXPECT_TRUE(handler_calls().empty());
}

TEST_F(EventRoad, UnboundEventsOfTheDateFieldsRunNoProgramCode)
{
    // GotFocus and TextChange have no binding; only the bound two do.
    m_window->efEnd()->set_Text("changed");
    auto start = m_window->efStart();
    for (std::int32_t index = 0; index < std::int32_t(start->event_table().size()); ++index) {
        bool const bound = index == TextFieldLostFocus || index == TextFieldKeyDown;
        EXPECT_EQ(start->event_entry(index)->handler != nullptr, bound) << index;
    }
    EXPECT_TRUE(handler_calls().empty());
}

TEST_F(EventRoad, APressOfGoRunsTheButtonsHandlerOnce)
{
    QTest::mouseClick(widget("BevelButton1"), Qt::LeftButton);
    std::vector<HandlerCall> const expected { HandlerCall { "Calculate", m_window.ptr(), nullptr, {} } };
    EXPECT_EQ(handler_calls(), expected);
}

class DeadWindow : public window_test::WindowTest { };

TEST_F(DeadWindow, AControlWhoseWindowIsGoneRaisesNilObjectExceptionAndCallsNothing)
{
    Ref<TextField> field;
    {
        auto window = RecordingWindow::construct();
        field = window->efStart();
        window_test::close_window(*window);
    }
    handler_calls().clear();
    // Straight through the stub and invoker ...
    try {
        bindings::Stub<TextFieldLostFocus>::call(field.ptr());
        ADD_FAILURE() << "nothing raised";
    } catch (RuntimeError const& error) {
        EXPECT_EQ(&error.exception().class_table(), &NilObjectException::__Lookup());
    }
    // ... and from a real key press, where the framework keeps the exception.
    QTest::keyClick(field->d().widget(), Qt::Key_A);
    auto const kept = detail::take_exception();
    ASSERT_TRUE(kept);
    try {
        std::rethrow_exception(kept);
    } catch (RuntimeError const& error) {
        EXPECT_EQ(&error.exception().class_table(), &NilObjectException::__Lookup());
    }
    EXPECT_TRUE(handler_calls().empty());
}

TEST_F(DeadWindow, AKindZeroDelegateCallsWithItsTargetAsStored)
{
    auto window = RuntimeCheckCast<RecordingWindow>(RuntimeNewObject(RecordingWindow::__Lookup()));
    auto field = make<TextField>();
    auto delegate = RuntimeCreateDelegate(any_function(&bindings::Invoker<void(TextField*)>::call),
        virtual_entry(*window, "efEnd_LostFocus"), window.ptr(), "( TextField )", 0);
    bindings::Invoker<void(TextField*)>::call(delegate.ptr(), field.ptr());
    std::vector<HandlerCall> const expected { HandlerCall { "efEnd_LostFocus", window.ptr(), field.ptr(), {} } };
    EXPECT_EQ(handler_calls(), expected);
}
