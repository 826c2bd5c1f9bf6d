// Looking into a menu is not leaving the date field: a half-typed date
// survives a visit to the menus by every road, the keyboard goes on into the
// field, and the field is normalised once, when the focus moves on. Alt and
// a title's first letter open that menu and type nothing.

#include "ProgramRun.h"

#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/window/Window_p.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

using namespace fw;

namespace {

Window& open_window() { return *detail::open_windows().front(); }
QWidget* control(char const* name) { return open_window()._ControlByName(name)->d().widget(); }
QLineEdit* field(char const* name) { return qobject_cast<QLineEdit*>(control(name)); }
QMenuBar* menu_bar() { return open_window().d().main_window()->findChild<QMenuBar*>(); }

QMenu* menu_titled(char const* name)
{
    auto* title = app_test::shown_action(name);
    return title ? title->menu() : nullptr;
}

// Clicks the title of the named menu in the bar.
void click_title(char const* name)
{
    auto* title = app_test::shown_action(name);
    ASSERT_NE(title, nullptr);
    QTest::mouseClick(menu_bar(), Qt::LeftButton, {}, menu_bar()->actionGeometry(title).center());
    QApplication::processEvents();
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Each road opens the Edit menu with "12/3" half typed in the start field
// and closes it again.
struct Road {
    char const* name;
    std::function<void()> visit;
};

Road const roads[] = {
    { "Escape",
        [] {
            click_title("UntitledMenu0");
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        } },
    { "a click elsewhere",
        [] {
            click_title("UntitledMenu0");
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
            QTest::mouseClick(QApplication::activePopupWidget(), Qt::LeftButton, {}, QPoint(-40, 60));
        } },
    { "a click on its title",
        [] {
            click_title("UntitledMenu0");
            ASSERT_NE(QApplication::activePopupWidget(), nullptr);
            click_title("UntitledMenu0");
        } },
};

// The start field, focused.
QLineEdit* focused_start()
{
    QLineEdit* start = field("efStart");
    start->setFocus();
    settle();
    return start;
}

class MenuVisit : public app_test::ProgramRun {
protected:
    // Runs the program without probes, takes the steps in its first event and
    // quits; the run must end normally and show no message box.
    void run_quietly(std::function<void()> const& steps)
    {
        without_probes();
        EXPECT_EQ(run([&] {
            steps();
            Quit(0);
        }),
            0);
        EXPECT_TRUE(boxes.texts().empty());
    }
};

TEST_F(MenuVisit, KeepsAHalfTypedDateAndTheKeyboardInTheField)
{
    run_quietly([] {
        for (Road const& road : roads) {
            SCOPED_TRACE(road.name);
            QLineEdit* start = focused_start();
            start->clear();
            QTest::keyClicks(start, "12/3");
            road.visit();
            settle();
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_EQ(start->text().toStdString(), "12/3") << "the menu visit normalised the field";
            EXPECT_EQ(QApplication::focusWidget(), start) << "the keyboard did not come back";
            QTest::keyClicks(QApplication::focusWidget(), "1/2099");
            EXPECT_EQ(start->text().toStdString(), "12/31/2099");
            QTest::mouseClick(control("efEnd"), Qt::LeftButton);
            settle();
            EXPECT_EQ(start->text().toStdString(), "12/31/2099") << "left and normalised once";
        }
    });
}

TEST_F(MenuVisit, PasteFromTheMenuKeepsTheTypingAndTheFocusLossComesOnce)
{
    run_quietly([] {
        QLineEdit* start = focused_start();
        start->clear();
        QTest::keyClicks(start, "12/3");
        QApplication::clipboard()->setText("1/2099");
        click_title("UntitledMenu0");
        auto* paste = app_test::shown_action("EditPaste");
        ASSERT_NE(paste, nullptr);
        auto* edit = menu_titled("UntitledMenu0");
        ASSERT_EQ(QApplication::activePopupWidget(), edit);
        QTest::mouseClick(edit, Qt::LeftButton, {}, edit->actionGeometry(paste).center());
        settle();
        EXPECT_EQ(start->text().toStdString(), "12/31/2099");
        EXPECT_EQ(QApplication::focusWidget(), start);
        // Moving on from the field normalises it: a short year moves on.
        QTest::keyClicks(start, "\b\b\b\b99");
        QTest::keyClick(start, Qt::Key_Tab);
        settle();
        EXPECT_EQ(start->text().toStdString(), "12/31/2099");
    });
}

TEST_F(MenuVisit, AltAndATitlesFirstLetterOpensItsMenuAndTypesNothing)
{
    run_quietly([] {
        QLineEdit* start = focused_start();
        start->setText("12/3");
        for (auto [key, menu] :
            { std::pair { Qt::Key_F, "UntitledMenu2" }, std::pair { Qt::Key_E, "UntitledMenu0" } }) {
            SCOPED_TRACE(menu);
            QTest::keyClick(start, key, Qt::AltModifier);
            settle();
            EXPECT_EQ(QApplication::activePopupWidget(), menu_titled(menu));
            if (QApplication::activePopupWidget())
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            settle();
            EXPECT_EQ(start->text().toStdString(), "12/3");
            EXPECT_EQ(QApplication::focusWidget(), start);
        }
        // A letter with Alt that opens no menu types nothing either.
        QTest::keyClick(start, Qt::Key_X, Qt::AltModifier);
        EXPECT_EQ(start->text().toStdString(), "12/3");
        // The keyboard is still in the field, which is normalised on leaving.
        QTest::keyClicks(QApplication::focusWidget(), "1/2099");
        QTest::keyClick(start, Qt::Key_Tab);
        settle();
        EXPECT_EQ(start->text().toStdString(), "12/31/2099");
    });
}

}
