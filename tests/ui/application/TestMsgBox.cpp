// MsgBox: the box the user sees, and the presenter tests put in its place.

#include "framework/ui/application/MsgBox.h"
#include "tests/support/ui/MessageBoxCapture.h"
#include "tests/ui/UiTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

using namespace fw;

namespace {

class MsgBoxTest : public uitest::UiTest { };

TEST_F(MsgBoxTest, ThePresenterReceivesEveryTextInsteadOfABox)
{
    test_support::MessageBoxCapture shown;
    MsgBox("Problem with start date");
    MsgBox("Problem with end date");
    std::vector<std::string> const expected { "Problem with start date", "Problem with end date" };
    EXPECT_EQ(shown.texts(), expected);
}

TEST_F(MsgBoxTest, TheRealBoxIsApplicationModalWithAnOkButton)
{
    uitest::clear_pending_quit();
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->text(), "Start must be before end");
        EXPECT_NE(box->button(QMessageBox::Ok), nullptr);
        checked = true;
        box->button(QMessageBox::Ok)->click();
    });
    MsgBox("Start must be before end");
    EXPECT_TRUE(checked);
}

}
