#include "framework/ui/controls/TextStyle_p.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

#include <cmath>

namespace fw {

namespace {

    bool is_installed(QString const& family)
    {
        // The list of installed families does not change while we run, and
        // asking for it is slow enough to notice over fourteen controls.
        static QStringList const families = QFontDatabase::families();
        return families.contains(family, Qt::CaseInsensitive);
    }

    void apply_size(QFont& font, float size, std::uint8_t unit)
    {
        if (!(size > 0))
            return;
        switch (unit) {
        case 2:
            font.setPointSizeF(size);
            break;
        case 3:
            font.setPointSizeF(size * 72.0);
            break;
        case 4:
            font.setPointSizeF(size * 72.0 / 25.4);
            break;
        default:
            font.setPixelSize(std::max(1, int(std::lround(size))));
            break;
        }
    }

}

QString to_qstring(std::string const& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

std::string from_qstring(QString const& text) { return text.toUtf8().toStdString(); }

QString resolve_font_family(std::string const& face)
{
    QString const family = to_qstring(face);
    if (family.isEmpty() || family == QLatin1String("System") || !is_installed(family))
        return QApplication::font().family();
    return family;
}

QFont TextStyle::font_for(QWidget const& widget) const
{
    QFont font = QApplication::font(&widget);
    font.setFamily(resolve_font_family(face));
    apply_size(font, size, unit);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

void apply_font(QWidget& widget, TextStyle const& style) { widget.setFont(style.font_for(widget)); }

void set_palette_color(QWidget& widget, QPalette::ColorRole role, Color color)
{
    QPalette palette = widget.palette();
    QColor const qcolor(color.red, color.green, color.blue);
    palette.setColor(QPalette::Active, role, qcolor);
    palette.setColor(QPalette::Inactive, role, qcolor);
    widget.setPalette(palette);
}

void reset_palette_color(QWidget& widget, QPalette::ColorRole role)
{
    QPalette palette = widget.palette();
    QPalette const standard = QApplication::palette(&widget);
    palette.setColor(QPalette::Active, role, standard.color(QPalette::Active, role));
    palette.setColor(QPalette::Inactive, role, standard.color(QPalette::Inactive, role));
    widget.setPalette(palette);
}

}
