// Control events from real Qt input: each raised through the control's own
// event table, its stub and its delegate, the way a program binds them.

#include "framework/ui/application/Gate_p.h"
#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/ControlEvents_p.h"
#include "framework/ui/controls/TextField.h"
#include "tests/support/runtime/PlainClass.h"
#include "tests/ui/UiTestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace fw;
using uitest::TestWindow;

namespace {

// The object the bound handlers run on, as a window would be.
class Listener final : public Object {
    FW_OBJECT(Listener)
public:
    std::vector<std::string> lost_focus; // names of the controls
    std::vector<std::string> keys;
    int actions { 0 };
    bool consume_keys { false };
};

ClassTable const& Listener::__Lookup()
{
    static ClassTable const* const table = test_support::plain_class<Listener>("uitest.Listener", Object::__Lookup());
    return *table;
}

Listener& listener(Object* self) { return *static_cast<Listener*>(self); }

// Handlers: the function entries of the delegates.
void on_lost_focus(Object* self, RectControl* control) { listener(self).lost_focus.push_back(control->name()); }
bool on_key_down(Object* self, RectControl*, String const& key)
{
    listener(self).keys.push_back(key);
    return listener(self).consume_keys;
}
void on_action(Object* self, RectControl*) { ++listener(self).actions; }

// Invokers, one per signature; kind 1 resolves the weak target each call.
Object* resolved_target(Delegate const& delegate)
{
    Object* target = delegate.target();
    if (delegate.kind() == Delegate::WeakKind && !target)
        RaiseNilObjectException();
    return target;
}
void invoke_control(Delegate* delegate, RectControl* control)
{
    typed_function<void(Object*, RectControl*)>(delegate->function())(resolved_target(*delegate), control);
}
bool invoke_key(Delegate* delegate, RectControl* control, String const& key)
{
    return typed_function<bool(Object*, RectControl*, String const&)>(delegate->function())(
               resolved_target(*delegate), control, key)
        & 1;
}

// Stubs, one per event index.
template<int Index>
void control_stub(RectControl* control)
{
    Delegate* delegate = control->event_entry(Index)->delegate.ptr();
    typed_function<void(Delegate*, RectControl*)>(delegate->invoker())(delegate, control);
}
bool key_down_stub(RectControl* control, String const& key)
{
    Delegate* delegate = control->event_entry(TextFieldKeyDown)->delegate.ptr();
    return typed_function<bool(Delegate*, RectControl*, String const&)>(delegate->invoker())(delegate, control, key)
        & 1;
}

class ControlEvents : public uitest::UiTest {
protected:
    void SetUp() override
    {
        uitest::UiTest::SetUp();
        TestWindow::on_create_controls() = [](TestWindow& w) {
            uitest::add_control<TextField>(w, "first")->set_TabIndex(0);
            uitest::add_control<TextField>(w, "second")->set_TabIndex(1);
            auto button = uitest::add_control<BevelButton>(w, "go");
            button->set_TabIndex(2);
            button->set_AcceptFocus(false);
        };
        window = uitest::construct_test_window();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->d().main_window()));
    }
    void drop_members() override
    {
        window = nullptr;
        target = nullptr;
    }

    RectControl& control(char const* name) { return *window->_ControlByName(name); }
    QWidget* widget(char const* name) { return control(name).d().widget(); }
    QLineEdit* edit(char const* name) { return qobject_cast<QLineEdit*>(widget(name)); }

    void bind(char const* name, std::int32_t index, AnyFunction stub, AnyFunction invoker, AnyFunction function)
    {
        auto delegate = RuntimeCreateDelegate(invoker, function, target.ptr(), "( TextField )", Delegate::WeakKind);
        RuntimeAddEventHandler(&control(name), index, stub, delegate.ptr());
    }
    void bind_lost_focus(char const* name)
    {
        bind(name, TextFieldLostFocus, any_function(&control_stub<TextFieldLostFocus>), any_function(&invoke_control),
            any_function(&on_lost_focus));
    }
    void bind_key_down(char const* name)
    {
        bind(name, TextFieldKeyDown, any_function(&key_down_stub), any_function(&invoke_key),
            any_function(&on_key_down));
    }
    void bind_action()
    {
        bind("go", BevelButtonAction, any_function(&control_stub<BevelButtonAction>), any_function(&invoke_control),
            any_function(&on_action));
    }

    Ref<TestWindow> window;
    Ref<Listener> target { make<Listener>() };
};

TEST_F(ControlEvents, KeyDownPassesChr13ForReturnAndTheTypedTextForLetters)
{
    bind_key_down("first");
    QTest::keyClicks(edit("first"), "a5/");
    QTest::keyClick(edit("first"), Qt::Key_Return);
    QTest::keyClick(edit("first"), Qt::Key_Enter);
    std::vector<std::string> const expected { "a", "5", "/", "\r", "\r" };
    EXPECT_EQ(target->keys, expected);
}

TEST_F(ControlEvents, AFalseAnswerLeavesTheKeyToTheField)
{
    bind_key_down("first");
    QTest::keyClicks(edit("first"), "12/25");
    EXPECT_EQ(edit("first")->text(), "12/25");
}

TEST_F(ControlEvents, ATrueAnswerConsumesTheKey)
{
    bind_key_down("first");
    target->consume_keys = true;
    QTest::keyClicks(edit("first"), "abc");
    QTest::keyClick(edit("first"), Qt::Key_Tab);
    EXPECT_EQ(edit("first")->text(), "");
    EXPECT_EQ(QApplication::focusWidget(), widget("first")) << "Tab was consumed too";
}

TEST_F(ControlEvents, LostFocusWhenFocusMovesToAnotherControlOfTheWindow)
{
    bind_lost_focus("first");
    bind_lost_focus("second");
    ASSERT_EQ(QApplication::focusWidget(), widget("first"));
    QTest::keyClick(widget("first"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widget("second"));
    QTest::mouseClick(widget("first"), Qt::LeftButton);
    std::vector<std::string> const expected { "first", "second" };
    EXPECT_EQ(target->lost_focus, expected);
}

TEST_F(ControlEvents, NoLostFocusWhenAMessageBoxTakesTheFocus)
{
    bind_lost_focus("first");
    QMessageBox box(
        QMessageBox::NoIcon, "Quorvel", "Problem with start date", QMessageBox::Ok, window->d().main_window());
    box.setWindowModality(Qt::ApplicationModal);
    box.show();
    box.activateWindow(); // as the window system does with a new modal box
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &box; }));
    EXPECT_NE(QApplication::focusWidget(), widget("first"));
    box.close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(target->lost_focus.empty());
}

TEST_F(ControlEvents, NoLostFocusWhenAnotherWindowTakesTheFocus)
{
    bind_lost_focus("first");
    QWidget other;
    auto* other_edit = new QLineEdit(&other);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &other; }));
    other_edit->setFocus();
    EXPECT_EQ(QApplication::focusWidget(), other_edit);
    EXPECT_TRUE(target->lost_focus.empty());
}

TEST_F(ControlEvents, ActionOncePerClickAndOncePerKeyboardPress)
{
    bind_action();
    QTest::mouseClick(widget("go"), Qt::LeftButton);
    EXPECT_EQ(target->actions, 1);
    EXPECT_EQ(QApplication::focusWidget(), widget("first")) << "AcceptFocus False: the click leaves focus";
    widget("go")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(widget("go"), Qt::Key_Space);
    EXPECT_EQ(target->actions, 2);
}

TEST_F(ControlEvents, UnboundEventsRunNothingAndKeyDownAnswersFalse)
{
    bind_key_down("first");
    // GotFocus, TextChange and LostFocus of "first" and everything of
    // "second" stay unbound.
    QTest::keyClicks(edit("second"), "xy");
    QTest::keyClick(widget("second"), Qt::Key_Tab);
    EXPECT_EQ(edit("second")->text(), "xy");
    EXPECT_TRUE(target->keys.empty());
    EXPECT_FALSE(raise_control_event(control("second"), TextFieldKeyDown, "\r"));
    EXPECT_EQ(control("first").event_entry(TextFieldLostFocus)->handler, nullptr);
}

TEST_F(ControlEvents, BindingOneControlLeavesTheOthersAsTheyWere)
{
    bind_lost_focus("second");
    EXPECT_NE(control("second").event_entry(TextFieldLostFocus)->handler, nullptr);
    EXPECT_EQ(control("first").event_entry(TextFieldLostFocus), nullptr) << "no table made yet";
    EXPECT_EQ(control("second").event_table().size(), TextField::__Lookup().events.size());
}

TEST_F(ControlEvents, TheBindingKeepsItsOwnReferenceToTheDelegate)
{
    auto delegate = RuntimeCreateDelegate(
        any_function(&invoke_control), any_function(&on_lost_focus), target.ptr(), "( TextField )", 1);
    RuntimeAddEventHandler(&control("first"), TextFieldLostFocus, any_function(&control_stub<16>), delegate.ptr());
    EXPECT_EQ(delegate->ref_count(), 2u);
}

TEST_F(ControlEvents, AnIndexPastTheClassEventsIsRefused)
{
    EXPECT_THROW(RuntimeAddEventHandler(&control("go"), 20, nullptr, nullptr), RuntimeError);
    EXPECT_THROW(RuntimeAddEventHandler(nullptr, 0, nullptr, nullptr), RuntimeError);
}

TEST_F(ControlEvents, AWeakTargetThatIsGoneRaisesNilObjectAndCallsNothing)
{
    bind_lost_focus("first");
    WeakRef<Listener> weak(target.ptr());
    target = nullptr;
    ASSERT_TRUE(weak.is_nil());
    try {
        raise_control_event(control("first"), TextFieldLostFocus);
        FAIL() << "no exception";
    } catch (RuntimeError const& error) {
        EXPECT_EQ(error.exception().class_table().name, NilObjectException::__Lookup().name);
    }
}

TEST_F(ControlEvents, AnExceptionFromAHandlerNeverCrossesQt)
{
    bind_lost_focus("first");
    target = nullptr;
    QTest::keyClick(widget("first"), Qt::Key_Tab);
    ASSERT_TRUE(detail::exception_pending());
    try {
        std::rethrow_exception(detail::take_exception());
    } catch (RuntimeError const& error) {
        EXPECT_EQ(&error.exception().class_table(), &NilObjectException::__Lookup());
    }
    // Keeping the exception asked Qt to end its loop.
    uitest::clear_pending_quit();
}

struct KeyRow {
    char const* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    char const* text; // what Qt reports
    std::optional<std::string> expected;
};

class KeyDownText : public ::testing::TestWithParam<KeyRow> { };

TEST_P(KeyDownText, IsTheKeysTextOrItsControlCharacter)
{
    auto const& row = GetParam();
    QKeyEvent const event(QEvent::KeyPress, row.key, row.modifiers, QString::fromUtf8(row.text));
    EXPECT_EQ(key_down_text(event), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyDownText,
    ::testing::Values(KeyRow { "Return", Qt::Key_Return, Qt::NoModifier, "\r", "\r" },
        KeyRow { "Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", "\r" },
        KeyRow { "Letter", Qt::Key_A, Qt::NoModifier, "a", "a" },
        KeyRow { "ShiftedLetter", Qt::Key_A, Qt::ShiftModifier, "A", "A" },
        KeyRow { "Slash", Qt::Key_Slash, Qt::NoModifier, "/", "/" },
        KeyRow { "Umlaut", Qt::Key_Udiaeresis, Qt::NoModifier, "\xC3\xBC", "\xC3\xBC" },
        KeyRow { "Tab", Qt::Key_Tab, Qt::NoModifier, "\t", "\t" },
        KeyRow { "Backspace", Qt::Key_Backspace, Qt::NoModifier, "\b", "\b" },
        KeyRow { "Left", Qt::Key_Left, Qt::NoModifier, "", "\x1c" },
        KeyRow { "Down", Qt::Key_Down, Qt::NoModifier, "", "\x1f" },
        KeyRow { "Delete", Qt::Key_Delete, Qt::NoModifier, "\x7f", "\x7f" },
        KeyRow { "CtrlC", Qt::Key_C, Qt::ControlModifier, "\x03", std::nullopt },
        KeyRow { "ShiftAlone", Qt::Key_Shift, Qt::ShiftModifier, "", std::nullopt },
        KeyRow { "F5", Qt::Key_F5, Qt::NoModifier, "", std::nullopt }),
    [](auto const& info) { return std::string(info.param.name); });

}
