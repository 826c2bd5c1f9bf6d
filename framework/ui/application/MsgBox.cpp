#include "framework/ui/application/MsgBox.h"
#include "framework/ui/controls/TextStyle_p.h"

#include <QApplication>
#include <QMessageBox>

namespace fw {

namespace {
    std::function<void(std::string const&)>& presenter()
    {
        static std::function<void(std::string const&)> instance;
        return instance;
    }
}

void set_message_box_presenter(std::function<void(std::string const&)> replacement)
{
    presenter() = std::move(replacement);
}

void MsgBox(std::string const& text)
{
    if (auto const& show = presenter())
        return show(text);
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), to_qstring(text), QMessageBox::Ok,
        QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    // The message can be selected and copied, by mouse or by keyboard (Tab
    // to it, Ctrl+A, Ctrl+C), so a user can paste it into a report.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

}
