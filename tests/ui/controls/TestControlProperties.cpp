// What the stored properties of the controls do to the Qt widgets a user
// sees, and the tab order their TabIndex sets.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/controls/TextStyle_p.h"
#include "tests/ui/UiTestSupport.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace fw;
using uitest::TestWindow;

namespace {

QLineEdit& edit_of(TextField const& field) { return *qobject_cast<QLineEdit*>(field.d().widget()); }
QLabel& label_of(Label const& label) { return *qobject_cast<QLabel*>(label.d().widget()); }
QPushButton& button_of(BevelButton const& button) { return *qobject_cast<QPushButton*>(button.d().widget()); }

class FieldProperties : public uitest::UiTest {
protected:
    void drop_members() override
    {
        field = nullptr;
        window = nullptr;
    }
    Ref<Window> window { make<Window>() };
    Ref<TextField> field { uitest::add_control<TextField>(*window, "f") };
};

TEST_F(FieldProperties, ReadOnlyFieldsStayTabStops)
{
    field->set_ReadOnly(true);
    EXPECT_TRUE(edit_of(*field).isReadOnly());
    EXPECT_TRUE(edit_of(*field).focusPolicy() & Qt::TabFocus);
    field->set_TabStop(false);
    EXPECT_EQ(edit_of(*field).focusPolicy(), Qt::ClickFocus);
}

TEST_F(FieldProperties, AlignmentCodesMapToQtAlignment)
{
    struct Row {
        std::int32_t code;
        Qt::Alignment expected;
    };
    for (auto const& row : { Row { 0, Qt::AlignLeft }, Row { 1, Qt::AlignLeft }, Row { 2, Qt::AlignHCenter },
             Row { 3, Qt::AlignRight } }) {
        SCOPED_TRACE(row.code);
        field->set_Alignment(row.code);
        EXPECT_EQ(edit_of(*field).alignment() & Qt::AlignHorizontal_Mask, row.expected);
        EXPECT_EQ(field->Alignment(), row.code);
    }
}

TEST_F(FieldProperties, ColoursBorderPasswordHelpTagCueTextAndLimit)
{
    field->set_TextColor({ 0xFF, 0x00, 0x00 });
    field->set_BackColor({ 0x00, 0x00, 0xFF });
    field->set_Border(false);
    field->set_Password(true);
    field->set_HelpTag("Start date of interest");
    field->set_CueText("m/d/yyyy");
    field->set_LimitText(5);
    QLineEdit const& edit = edit_of(*field);
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(0, 0, 255));
    EXPECT_FALSE(edit.hasFrame());
    EXPECT_EQ(edit.echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit.toolTip(), "Start date of interest");
    EXPECT_EQ(edit.placeholderText(), "m/d/yyyy");
    EXPECT_EQ(edit.maxLength(), 5);
    field->set_LimitText(0);
    EXPECT_GT(edit.maxLength(), 1000) << "0 means no limit";
}

TEST_F(FieldProperties, FontSizeIsInPixelsAndAMissingFaceFallsBack)
{
    field->set_TextSize(36.0f);
    field->set_TextUnit(0);
    field->set_TextFont("No Such Face Installed");
    field->set_Bold(true);
    QFont const font = edit_of(*field).font();
    EXPECT_EQ(font.pixelSize(), 36);
    EXPECT_EQ(font.family(), QApplication::font().family());
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(field->TextFont(), "No Such Face Installed") << "the stored name is kept";
    EXPECT_FLOAT_EQ(field->TextSize(), 36.0f);
}

TEST_F(FieldProperties, SystemMeansTheDefaultFace)
{
    EXPECT_EQ(resolve_font_family("System"), QApplication::font().family());
    QString const installed = QFontDatabase::families().value(0);
    if (!installed.isEmpty()) {
        EXPECT_EQ(resolve_font_family(from_qstring(installed)), installed);
    }
}

TEST_F(FieldProperties, EnabledAndVisibleReachTheWidget)
{
    field->set_Enabled(false);
    field->set_Visible(false);
    EXPECT_FALSE(edit_of(*field).isEnabled());
    EXPECT_TRUE(edit_of(*field).isHidden());
}

TEST_F(FieldProperties, TextRoundTripsAsUtf8)
{
    field->set_Text("Grüße 25.12.2026");
    EXPECT_EQ(field->Text(), "Grüße 25.12.2026");
}

TEST_F(FieldProperties, AnUnplacedControlNeverOpensAWindowOfItsOwn)
{
    auto loose = make<TextField>();
    loose->set_Visible(true);
    EXPECT_FALSE(loose->d().widget()->isVisible());
}

class OtherControls : public uitest::UiTest {
protected:
    void drop_members() override { window = nullptr; }
    Ref<Window> window { make<Window>() };
};

TEST_F(OtherControls, LabelAlignmentColourAndFocus)
{
    auto label = uitest::add_control<Label>(*window, "l");
    label->set_TextAlign(1);
    label->set_TextColor({ 0xFF, 0x00, 0x00 });
    label->set_Text("Weekend");
    label->set_MultiLine(true);
    EXPECT_EQ(label_of(*label).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(label_of(*label).palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(label_of(*label).text(), "Weekend");
    EXPECT_TRUE(label_of(*label).wordWrap());
    EXPECT_EQ(label_of(*label).focusPolicy(), Qt::NoFocus);
    label->set_TextAlign(2);
    EXPECT_EQ(label_of(*label).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(OtherControls, ButtonCaptionAndAcceptFocus)
{
    auto button = uitest::add_control<BevelButton>(*window, "b");
    button->set_Caption("GO");
    EXPECT_EQ(button_of(*button).text(), "GO");
    struct Row {
        bool tab_stop;
        bool accept_focus;
        Qt::FocusPolicy expected;
    };
    for (auto const& row : { Row { true, false, Qt::TabFocus }, Row { false, false, Qt::NoFocus },
             Row { true, true, Qt::StrongFocus }, Row { false, true, Qt::ClickFocus } }) {
        SCOPED_TRACE(testing::Message() << row.tab_stop << row.accept_focus);
        button->set_TabStop(row.tab_stop);
        button->set_AcceptFocus(row.accept_focus);
        EXPECT_EQ(button_of(*button).focusPolicy(), row.expected);
    }
}

TEST_F(OtherControls, ButtonBackColorOnlyWithHasBackColor)
{
    auto button = uitest::add_control<BevelButton>(*window, "b");
    QColor const standard = button_of(*button).palette().color(QPalette::Button);
    button->set_BackColor({ 0x00, 0x80, 0x00 });
    EXPECT_EQ(button_of(*button).palette().color(QPalette::Button), standard);
    button->set_HasBackColor(true);
    EXPECT_EQ(button_of(*button).palette().color(QPalette::Button), QColor(0, 0x80, 0));
}

class TabOrder : public uitest::UiTest { };

TEST_F(TabOrder, TabFollowsTabIndexNotCreationOrder)
{
    TestWindow::on_create_controls() = [](TestWindow& w) {
        uitest::add_control<TextField>(w, "c")->set_TabIndex(8);
        uitest::add_control<TextField>(w, "a")->set_TabIndex(0);
        auto readonly = uitest::add_control<TextField>(w, "ro");
        readonly->set_TabIndex(5);
        readonly->set_ReadOnly(true);
        uitest::add_control<Label>(w, "label")->set_TabIndex(2);
        auto button = uitest::add_control<BevelButton>(w, "go");
        button->set_TabIndex(14);
        button->set_AcceptFocus(false);
    };
    auto window = uitest::construct_test_window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->d().main_window()));
    auto widget = [&](char const* name) { return window->_ControlByName(name)->d().widget(); };
    EXPECT_EQ(QApplication::focusWidget(), widget("a"));
    for (char const* next : { "ro", "c", "go", "a" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), widget(next)) << next;
    }
}

}
