// What the stored properties of a label do to the QLabel a user sees.

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

QLabel& label_of(Label const& label) { return *qobject_cast<QLabel*>(label.d().widget()); }

class LabelProperties : public uitest::UiTest {
protected:
    void drop_members() override { window = nullptr; }
    Ref<Window> window { make<Window>() };
};

TEST_F(LabelProperties, LabelAlignmentColourAndFocus)
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

}
