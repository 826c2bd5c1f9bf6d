#include "framework/runtime/Text.h"
#include "framework/ui/controls/ControlEvents_p.h"
#include "framework/ui/controls/TextStyle_p.h"

#include <QKeyEvent>

namespace fw {

namespace {

    // Keys without text, and the control character each passes.
    struct KeyCode {
        int key;
        std::int32_t code;
    };
    constexpr KeyCode s_control_keys[] = {
        { Qt::Key_Return, 13 },
        { Qt::Key_Enter, 13 },
        { Qt::Key_Tab, 9 },
        { Qt::Key_Backtab, 9 },
        { Qt::Key_Backspace, 8 },
        { Qt::Key_Escape, 27 },
        { Qt::Key_Delete, 127 },
        { Qt::Key_Home, 1 },
        { Qt::Key_End, 4 },
        { Qt::Key_PageUp, 11 },
        { Qt::Key_PageDown, 12 },
        { Qt::Key_Left, 28 },
        { Qt::Key_Right, 29 },
        { Qt::Key_Up, 30 },
        { Qt::Key_Down, 31 },
    };

    bool is_printable(QString const& text)
    {
        for (QChar const c : text)
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                return false;
        return !text.isEmpty();
    }

}

std::optional<String> key_down_text(QKeyEvent const& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return std::nullopt;
    for (auto const& entry : s_control_keys)
        if (event.key() == entry.key)
            return Chr(entry.code);
    if (is_printable(event.text()))
        return from_qstring(event.text());
    return std::nullopt;
}

}
