#include "framework/ui/application/Gate_p.h"
#include "framework/ui/window/Window_p.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace fw {

namespace {

    struct WindowLists {
        std::vector<Ref<Window>> open;
        std::map<String, Ref<Window>> implicit;
        std::vector<Ref<Window>> closed;
        bool release_posted { false };
    };

    // Never destroyed: windows must go while Qt is still up, which
    // release_window_lists() sees to; a static destructor would run too late.
    WindowLists& lists()
    {
        static auto* const instance = new WindowLists;
        return *instance;
    }

    void post_release(int delay_ms = 0);

    void release_when_idle()
    {
        lists().release_posted = false;
        // A handler further down the stack (one showing a message box, say)
        // may belong to a closed window: wait until it has returned, without
        // spinning the nested loop it runs.
        if (detail::in_event_dispatch() || detail::in_background_yield())
            return post_release(50);
        detail::release_closed_windows();
    }

    void post_release(int delay_ms)
    {
        auto* app = QCoreApplication::instance();
        if (!app || std::exchange(lists().release_posted, true))
            return;
        QTimer::singleShot(delay_ms, app, &release_when_idle);
    }

    void take_open(Window& window, std::vector<Ref<Window>>& into)
    {
        auto& open = lists().open;
        auto const it = std::find_if(open.begin(), open.end(), [&](auto const& held) { return held.ptr() == &window; });
        if (it == open.end())
            return;
        into.push_back(std::move(*it));
        open.erase(it);
    }

    void take_implicit(Window& window, std::vector<Ref<Window>>& into)
    {
        auto& implicit = lists().implicit;
        for (auto it = implicit.begin(); it != implicit.end();) {
            if (it->second.ptr() != &window) {
                ++it;
                continue;
            }
            into.push_back(std::move(it->second));
            it = implicit.erase(it);
        }
    }

}

Ref<Window> _GetImplicitWindow(String const& class_name)
{
    auto const& implicit = lists().implicit;
    auto const it = implicit.find(class_name);
    return it == implicit.end() ? Ref<Window>() : it->second;
}

namespace detail {

    std::vector<Ref<Window>> const& open_windows() { return lists().open; }

    void register_window(Window& window)
    {
        lists().open.push_back(Ref<Window>(&window));
        lists().implicit[window.class_table().name] = Ref<Window>(&window);
    }

    void unregister_window(Window& window)
    {
        window.d().open = false;
        take_open(window, lists().closed);
        take_implicit(window, lists().closed);
        post_release();
    }

    void release_closed_windows()
    {
        // Destroying a window may close or release others: take the list
        // first, then let it go.
        auto closed = std::move(lists().closed);
        lists().closed.clear();
        closed.clear();
    }

    void release_window_lists()
    {
        auto& all = lists();
        auto open = std::move(all.open);
        auto implicit = std::move(all.implicit);
        all.open.clear();
        all.implicit.clear();
        implicit.clear();
        open.clear();
        release_closed_windows();
    }

}

}
