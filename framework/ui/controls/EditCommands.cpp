#include "framework/ui/controls/EditCommands_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

namespace fw::detail {

namespace {

    bool can_copy(QLineEdit const& f) { return f.hasSelectedText() && f.echoMode() == QLineEdit::Normal; }
    bool can_change_selection(QLineEdit const& f) { return f.hasSelectedText() && !f.isReadOnly(); }
    bool can_cut(QLineEdit const& f) { return can_copy(f) && !f.isReadOnly(); }
    bool can_undo(QLineEdit const& f) { return f.isUndoAvailable() && !f.isReadOnly(); }
    bool can_paste(QLineEdit const& f)
    {
        auto const* data = QGuiApplication::clipboard()->mimeData();
        return !f.isReadOnly() && data && data->hasText() && !data->text().isEmpty();
    }

    // Clear deletes the selection and nothing else (del() alone would take
    // the character after the cursor when nothing is selected).
    void clear_selection(QLineEdit& f)
    {
        if (f.hasSelectedText())
            f.del();
    }

    // item name, allowed when, what it does
    EditCommand const commands[] = {
        { "EditUndo", can_undo, [](QLineEdit& f) { f.undo(); } },
        { "EditCut", can_cut, [](QLineEdit& f) { f.cut(); } },
        { "EditCopy", can_copy, [](QLineEdit& f) { f.copy(); } },
        { "EditPaste", can_paste, [](QLineEdit& f) { f.paste(); } },
        { "EditClear", can_change_selection, clear_selection },
    };

}

EditCommand const* edit_command(String const& item_name) noexcept
{
    for (auto const& command : commands)
        if (item_name == command.item_name)
            return &command;
    return nullptr;
}

}
