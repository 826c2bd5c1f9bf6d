// What the stored properties of a text field do to the QLineEdit a user
// sees.

#include "framework/ui/controls/BevelButton.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/controls/Label.h"
#include "framework/ui/controls/TextField.h"
#include "framework/ui/controls/TextStyle_p.h"
#include "tests/support/ui/LineEditRoom.h"
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

// A read-only field shows a number whole: wider than the field at its
// stored size, it is drawn smaller, never cut, and the stored size comes back
// whenever the text fits again. An editable field keeps its size and scrolls.
class FittingField : public FieldProperties {
protected:
    void SetUp() override
    {
        FieldProperties::SetUp();
        field->set_TextSize(36.0f);
        field->set_TextUnit(0);
        field->set_Width(140);
        field->set_Height(51);
        field->set_Alignment(3);
        field->set_ReadOnly(true);
        stored = edit_of(*field).font();
    }
    std::string misfit() const { return test_support::misfit(edit_of(*field), edit_of(*field).text()); }
    int shown_size() const { return edit_of(*field).font().pixelSize(); }

    QFont stored;
};

TEST_F(FittingField, AWideNumberIsDrawnSmallerWhileTheFieldKeepsItsProperties)
{
    field->set_Text("3652059");
    EXPECT_EQ(misfit(), "");
    EXPECT_LT(shown_size(), 36);
    EXPECT_FALSE(test_support::scrolls_at(edit_of(*field), shown_size()));
    EXPECT_TRUE(test_support::scrolls_at(edit_of(*field), shown_size() + 1)) << "the largest size that fits";
    EXPECT_EQ(edit_of(*field).font().family(), stored.family());
    EXPECT_FLOAT_EQ(field->TextSize(), 36.0f);
    EXPECT_EQ(field->Alignment(), 3);
    EXPECT_EQ(edit_of(*field).alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(field->Text(), "3652059");

    field->set_Text("12345");
    EXPECT_EQ(edit_of(*field).font(), stored) << "a number that fits is drawn as stored";
}

TEST_F(FittingField, AnEditableFieldKeepsItsSizeAndScrolls)
{
    field->set_ReadOnly(false);
    field->set_Text("3652059");
    EXPECT_EQ(edit_of(*field).font(), stored);
    EXPECT_NE(misfit(), "");

    field->set_ReadOnly(true);
    EXPECT_EQ(misfit(), "") << "made read-only, it draws the number whole";
    field->set_ReadOnly(false);
    EXPECT_EQ(edit_of(*field).font(), stored) << "made editable, it gets its stored size back";
}

TEST_F(FittingField, TheSizeFollowsTheFieldsWidthFrameAndFont)
{
    field->set_Text("3652059");
    field->set_Width(220);
    EXPECT_EQ(edit_of(*field).font(), stored);
    field->set_Width(90);
    EXPECT_EQ(misfit(), "");
    int const framed = shown_size();
    EXPECT_LT(framed, 30);

    field->set_Border(false);
    EXPECT_EQ(misfit(), "");
    EXPECT_GE(shown_size(), framed) << "without a frame there is more room";

    field->set_TextSize(12.0f);
    EXPECT_EQ(shown_size(), 12) << "a smaller stored size that fits is drawn as it is";
    field->set_TextSize(48.0f);
    EXPECT_EQ(misfit(), "");
    EXPECT_FLOAT_EQ(field->TextSize(), 48.0f);
}

TEST_F(FittingField, ATextTooWideEvenAtOnePixelShowsItsStart)
{
    field->set_Text(std::string(5000, '8'));
    EXPECT_EQ(shown_size(), 1);
    EXPECT_EQ(edit_of(*field).cursorPosition(), 0) << "the first digit stays in sight";
    field->set_Text("8");
    EXPECT_EQ(edit_of(*field).font(), stored);
}

}
