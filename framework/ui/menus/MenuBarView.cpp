#include "framework/ui/application/Gate_p.h"
#include "framework/ui/menus/MenuItem_p.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>

namespace fw {

namespace {

    template<typename T>
    void keep_pointer(std::vector<QPointer<T>>& list, T* object)
    {
        std::erase_if(list, [](auto const& p) { return p.isNull(); });
        list.emplace_back(object);
    }

    std::vector<QPointer<MenuBarView>>& all_views()
    {
        static std::vector<QPointer<MenuBarView>> views;
        return views;
    }

    // Qt reads "&" in a menu text as the mark of a mnemonic: a stored "&"
    // is doubled so that it shows as written.
    QString shown_text(String const& text)
    {
        return QString::fromStdString(text).replace(QStringLiteral("&"), QStringLiteral("&&"));
    }

    // A menu's title as the bar shows it: its first letter is the mnemonic,
    // underlined, and Alt with that letter opens the menu.
    QString title_text(String const& text) { return text.empty() ? QString() : u'&' + shown_text(text); }

    void apply(MenuItemPrivate const& d, QAction& action)
    {
        action.setObjectName(QString::fromStdString(d.name));
        // A separator is a line only: styles draw an action's text even on
        // a separator, and "-" is what marks the item, not what it shows.
        action.setSeparator(d.is_separator());
        action.setText(d.is_separator() ? QString() : shown_text(d.text));
        action.setShortcut(key_sequence(d.shortcut));
        action.setEnabled(d.enabled);
    }

    QString command_key_token(QString token)
    {
        auto t = token.trimmed();
        if (t.compare(u"Cmd", Qt::CaseInsensitive) == 0 || t.compare(u"Command", Qt::CaseInsensitive) == 0)
            return QStringLiteral("Ctrl");
        if (t.compare(u"Option", Qt::CaseInsensitive) == 0)
            return QStringLiteral("Alt");
        return t;
    }

}

QKeySequence key_sequence(String const& shortcut)
{
    auto tokens = QString::fromStdString(shortcut).split(u'+');
    if (shortcut.empty() || tokens.contains(QString()))
        return {};
    std::transform(tokens.begin(), tokens.end(), tokens.begin(), command_key_token);
    QKeySequence sequence = QKeySequence::fromString(tokens.join(u'+'), QKeySequence::PortableText);
    return sequence.count() == 1 && sequence[0].key() != Qt::Key_unknown ? sequence : QKeySequence();
}

void MenuItemPrivate::add_action(QAction* action) { keep_pointer(actions, action); }
void MenuItemPrivate::add_menu(QMenu* menu) { keep_pointer(menus, menu); }

void MenuItemPrivate::sync_actions() const
{
    for (auto const& action : actions)
        if (action)
            apply(*this, *action);
    for (auto const& menu : menus) {
        if (!menu)
            continue;
        menu->setTitle(title_text(text));
        menu->menuAction()->setObjectName(QString::fromStdString(name));
        menu->menuAction()->setEnabled(enabled);
    }
}

MenuBarView* show_menu_bar(MenuBar& bar, QMenuBar& qbar, MenuCallbacks callbacks)
{
    delete view_for(&qbar);
    auto* view = new MenuBarView(bar, qbar, std::move(callbacks));
    keep_pointer(all_views(), view);
    keep_pointer(bar.d().views, view);
    view->rebuild();
    return view;
}

MenuBarView* view_for(QMenuBar const* qbar)
{
    for (auto const& view : all_views())
        if (view && qbar && view->qbar() == qbar)
            return view.data();
    return nullptr;
}

MenuBarView::MenuBarView(MenuBar& bar, QMenuBar& qbar, MenuCallbacks callbacks)
    : m_bar(&bar)
    , m_qbar(&qbar)
    , m_callbacks(std::move(callbacks))
{
    connect(qApp, &QApplication::focusChanged, this, &MenuBarView::focus_changed);
    // QMenuBar's destructor has deleted the menus by the time this runs.
    connect(&qbar, &QObject::destroyed, [self = QPointer<MenuBarView>(this)] {
        if (!self)
            return;
        self->forget_qbar();
        delete self.data();
    });
}

MenuBarView::~MenuBarView() { clear(); }

void MenuBarView::clear()
{
    for (auto& menu : m_menus)
        delete menu.data();
    m_menus.clear();
    if (m_qbar)
        m_qbar->clear();
}

void MenuBarView::rebuild()
{
    clear();
    auto bar = m_bar.strong();
    if (!bar || !m_qbar)
        return;
    for (std::int32_t i = 0; i < bar->Count(); ++i) {
        auto* menu = make_menu(*m_qbar, *bar->Item(i));
        m_menus.emplace_back(menu);
        m_qbar->addMenu(menu);
    }
}

QMenu* MenuBarView::make_menu(QWidget& parent, MenuItem& item)
{
    auto* menu = new QMenu(&parent);
    item.d().add_menu(menu);
    item.d().sync_actions();
    connect(menu, &QMenu::aboutToShow, this, [this] {
        if (m_callbacks.about_to_show)
            detail::run_event([this] { m_callbacks.about_to_show(); });
    });
    connect(menu, &QMenu::aboutToHide, this, [this] { QTimer::singleShot(0, this, [this] { give_back_keyboard(); }); });
    add_entries(*menu, item);
    return menu;
}

void MenuBarView::give_back_keyboard()
{
    // Escape closes a menu but leaves Qt's bar holding the keyboard, its
    // title highlighted, so typing on would go nowhere. Once no menu is open
    // any more (moving along the bar opens the next one first), the bar lets
    // go, and the keyboard is back in the control that had it.
    if (!m_qbar || !m_qbar->hasFocus() || QApplication::activePopupWidget())
        return;
    QPointer<QWidget> const back = m_focus_before;
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(m_qbar, &escape);
    if (back && back->window() == m_qbar->window() && QApplication::focusWidget() != back)
        back->setFocus(Qt::MenuBarFocusReason);
}

void MenuBarView::focus_changed(QWidget* old, QWidget* now)
{
    bool const to_menus = now && (now == m_qbar || qobject_cast<QMenu*>(now));
    if (to_menus && old && old != m_qbar && !qobject_cast<QMenu*>(old))
        m_focus_before = old;
}

void MenuBarView::add_entries(QMenu& menu, MenuItem& parent)
{
    for (std::int32_t i = 0; i < parent.Count(); ++i) {
        auto child = parent.Item(i);
        if (child->Count() > 0)
            menu.addMenu(make_menu(menu, *child));
        else
            add_item(menu, *child);
    }
}

void MenuBarView::add_item(QMenu& menu, MenuItem& item)
{
    auto* action = new QAction(&menu);
    item.d().add_action(action);
    apply(item.d(), *action);
    menu.addAction(action);
    connect(action, &QAction::triggered, this, [this, weak = WeakRef<MenuItem>(&item)] {
        auto chosen = weak.strong();
        if (chosen && m_callbacks.chosen)
            detail::run_event([&] { m_callbacks.chosen(*chosen); });
    });
}

}
