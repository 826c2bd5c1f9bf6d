#include "framework/ui/application/OwnLook_p.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QStyle>

namespace fw {

namespace {

    struct RoleColours {
        QPalette::ColorRole role;
        QRgb normal; // active and inactive
        QRgb disabled;
    };

    // Fusion's light colours: black text on a light grey window and white
    // fields, with a blue selection.
    constexpr RoleColours s_light[] = {
        { QPalette::WindowText, 0xff000000, 0xffbebebe },
        { QPalette::Button, 0xffefefef, 0xffefefef },
        { QPalette::Light, 0xffffffff, 0xffffffff },
        { QPalette::Midlight, 0xffcacaca, 0xffcacaca },
        { QPalette::Dark, 0xff9f9f9f, 0xffbebebe },
        { QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8 },
        { QPalette::Text, 0xff000000, 0xffbebebe },
        { QPalette::BrightText, 0xffffffff, 0xffffffff },
        { QPalette::ButtonText, 0xff000000, 0xffbebebe },
        { QPalette::Base, 0xffffffff, 0xffefefef },
        { QPalette::Window, 0xffefefef, 0xffefefef },
        { QPalette::Shadow, 0xff767676, 0xffb1b1b1 },
        { QPalette::Highlight, 0xff308cc6, 0xff919191 },
        { QPalette::HighlightedText, 0xffffffff, 0xffffffff },
        { QPalette::Link, 0xff0000ff, 0xff0000ff },
        { QPalette::LinkVisited, 0xffff00ff, 0xffff00ff },
        { QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7 },
        { QPalette::NoRole, 0xff000000, 0xff000000 },
        { QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc },
        { QPalette::ToolTipText, 0xff000000, 0xff000000 },
        { QPalette::PlaceholderText, 0x80000000, 0x80000000 },
    };

    // Every colour of every group is set, so that nothing of the platform
    // theme's palette shows through, now or after the theme changes.
    QPalette own_palette()
    {
        QPalette palette;
        for (auto const& colours : s_light) {
            palette.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.normal));
            palette.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.normal));
            palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
        }
        return palette;
    }

    // Watches the whole application for what would change its look. A
    // palette set by anyone (a platform theme does so when the desktop's
    // colours change) is replaced before the widgets hear of it. A style
    // change is answered later: Qt is still busy with the old style while
    // it tells the widgets of the new one.
    class LookKeeper final : public QObject {
    public:
        explicit LookKeeper(QObject* app)
            : QObject(app)
        {
            apply_style();
            apply_palette();
            app->installEventFilter(this);
        }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            switch (event->type()) {
            case QEvent::ApplicationPaletteChange:
                if (watched == QCoreApplication::instance())
                    apply_palette();
                break;
            case QEvent::StyleChange:
            case QEvent::ThemeChange:
                if (!m_pending) {
                    m_pending = true;
                    QMetaObject::invokeMethod(
                        this, [this] { restore(); }, Qt::QueuedConnection);
                }
                break;
            default:
                break;
            }
            return false;
        }

    private:
        void restore()
        {
            m_pending = false;
            if (QApplication::style() != m_style)
                apply_style();
            apply_palette();
        }

        void apply_style()
        {
            QApplication::setStyle(QStringLiteral("Fusion"));
            // What Qt made of it (a style sheet wraps it), so that the
            // change this sets off is not taken for another one.
            m_style = QApplication::style();
        }

        static void apply_palette()
        {
            QPalette const own = own_palette();
            if (QApplication::palette() != own)
                QApplication::setPalette(own);
        }

        QPointer<QStyle> m_style;
        bool m_pending { false };
    };

    QPointer<LookKeeper> s_keeper;

}

void detail::hold_own_look()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || s_keeper)
        return;
    s_keeper = new LookKeeper(app);
}

void detail::release_own_look() noexcept { delete s_keeper.data(); }

}
