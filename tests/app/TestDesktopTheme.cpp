// The program's window looks as stored whatever the desktop's theme: a dark
// palette and a style with wide frames, in force before start-up or set by
// the desktop while the window is open, leave every caption dark on light,
// every weekday name and date whole in its field, and a message box light.

#include "ProgramRun.h"

#include "framework/ui/application/Lifecycle.h"
#include "framework/ui/application/MsgBox.h"
#include "framework/ui/controls/Control_p.h"
#include "framework/ui/window/Window_p.h"
#include "tests/support/ui/LineEditRoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace fw;

namespace {

// Wide frames and margins everywhere, as a roomy desktop style has them.
class RoomyStyle final : public QProxyStyle {
public:
    RoomyStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows")))
    {
    }
    int pixelMetric(PixelMetric metric, QStyleOption const* option, QWidget const* widget) const override
    {
        switch (metric) {
        case PM_DefaultFrameWidth:
            return 8;
        case PM_ButtonMargin:
            return 16;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

QPalette dark_palette()
{
    QPalette dark;
    QColor const window(0x35, 0x35, 0x35), field(0x2a, 0x2a, 0x2a), text(0xee, 0xee, 0xee);
    for (auto role : { QPalette::Window, QPalette::Button })
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, field);
    for (auto role : { QPalette::WindowText, QPalette::Text, QPalette::ButtonText })
        dark.setColor(role, text);
    return dark;
}

class DesktopTheme : public app_test::ProgramRun {
protected:
    void SetUp() override
    {
        ProgramRun::SetUp();
        m_style_name = QApplication::style()->name();
        m_palette = QApplication::palette();
        m_font = QApplication::font();
        QApplication::setStyle(new RoomyStyle);
        QApplication::setPalette(dark_palette());
    }
    void TearDown() override
    {
        ProgramRun::TearDown();
        QApplication::setStyle(m_style_name);
        QApplication::setPalette(m_palette);
        QApplication::setFont(m_font);
    }

private:
    QString m_style_name;
    QPalette m_palette;
    QFont m_font;
};

double luminance(QColor const& color)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// A label paints no background of its own: what shows behind its text is
// the nearest enclosing widget that fills one (a window always does).
QColor background_behind(QWidget const& widget)
{
    QWidget const* painter = &widget;
    if (qobject_cast<QLabel const*>(&widget)) {
        painter = widget.parentWidget();
        while (!painter->isWindow() && !painter->autoFillBackground())
            painter = painter->parentWidget();
    }
    return painter->palette().color(painter->backgroundRole());
}

void expect_dark_on_light(QWidget const& widget, std::string const& name)
{
    QColor const text = widget.palette().color(widget.foregroundRole());
    QColor const back = background_behind(widget);
    double const fore = luminance(text), rear = luminance(back);
    SCOPED_TRACE(name + ": " + text.name().toStdString() + " on " + back.name().toStdString());
    EXPECT_GT(rear, 0.5) << "a light background";
    EXPECT_GE((rear + 0.05) / (fore + 0.05), 3.0) << "a darker caption that can be read";
}

QWidget* widget_of(Window& window, char const* name)
{
    RectControl* control = window.d().control_named(name);
    return control ? control->d().widget() : nullptr;
}

void expect_fits(Window& window, char const* field_name, std::initializer_list<char const*> texts)
{
    auto* edit = qobject_cast<QLineEdit*>(widget_of(window, field_name));
    ASSERT_NE(edit, nullptr) << field_name;
    for (char const* text : texts)
        EXPECT_EQ(test_support::misfit(*edit, QString::fromUtf8(text)), "") << field_name;
}

void check_window()
{
    ASSERT_EQ(detail::open_windows().size(), 1u);
    Window& window = *detail::open_windows().front();
    ASSERT_EQ(window.d().controls().size(), 14u);
    for (auto const& control : window.d().controls())
        expect_dark_on_light(*control.control->d().widget(), control.name);

    auto const weekdays = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    expect_fits(window, "efStartDay", weekdays);
    expect_fits(window, "efEndDay", weekdays);
    expect_fits(window, "efStart", { "12/24/2026" });
    expect_fits(window, "efEnd", { "12/24/2026" });
}

Window& open_window() { return *detail::open_windows().front(); }

std::vector<QFont> control_fonts()
{
    std::vector<QFont> fonts;
    for (auto const& control : open_window().d().controls())
        fonts.push_back(control.control->d().widget()->font());
    return fonts;
}

// What a desktop does to a program that runs when its user picks a dark
// theme: the platform theme hands Qt a dark palette, or a theme change
// brings another style and another font.
void turn_the_desktop_dark()
{
    QApplication::setPalette(dark_palette());
    check_window();
    QApplication::setStyle(new RoomyStyle);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Serif"), 30));
    QEvent theme_change(QEvent::ThemeChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &theme_change);
    for (QWidget* widget : QApplication::allWidgets())
        QCoreApplication::sendEvent(widget, &theme_change);
    QCoreApplication::processEvents();
    check_window();
}

// A real box, as MsgBox shows it, instead of the capture.
void expect_a_light_message_box()
{
    set_message_box_presenter({});
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        expect_dark_on_light(*label, "the message box's text");
        checked = true;
        box->button(QMessageBox::Ok)->click();
    });
    MsgBox("Problem with end date");
    EXPECT_TRUE(checked);
}

TEST_F(DesktopTheme, ADarkRoomyThemeLeavesTheWindowAsStored)
{
    without_probes();
    EXPECT_EQ(run([] {
        check_window();
        Quit(0);
    }),
        0);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(objects_left(), 0);
}

TEST_F(DesktopTheme, ADesktopTurningDarkWhileTheWindowIsOpenLeavesItAsStored)
{
    without_probes();
    EXPECT_EQ(run([] {
        std::vector<QFont> const fonts = control_fonts();
        turn_the_desktop_dark();
        EXPECT_TRUE(control_fonts() == fonts) << "each control keeps its stored font and size";
        // The stored colours still apply on top.
        QWidget const& weekend = *widget_of(open_window(), "StaticText5");
        EXPECT_EQ(weekend.palette().color(weekend.foregroundRole()), QColor(255, 0, 0));
        expect_a_light_message_box();
        Quit(0);
    }),
        0);
    EXPECT_EQ(objects_left(), 0);
}

}
