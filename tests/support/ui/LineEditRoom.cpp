#include "tests/support/ui/LineEditRoom.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace test_support {

int text_room(QLineEdit const& edit)
{
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.rect = edit.contentsRect();
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit.isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    QRect room = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    room = room.marginsRemoved(edit.textMargins());
    return room.width() - 2 * 2;
}

int drawn_width(QLineEdit const& edit, QString const& text)
{
    return QFontMetrics(edit.font()).horizontalAdvance(text);
}

std::string misfit(QLineEdit const& edit, QString const& text)
{
    int const width = drawn_width(edit, text), room = text_room(edit);
    if (width <= room)
        return {};
    return "\"" + text.toStdString() + "\" is " + std::to_string(width) + " pixels wide at "
        + std::to_string(QFontInfo(edit.font()).pixelSize()) + " pixels in " + std::to_string(room)
        + " pixels of room (the field is " + std::to_string(edit.width()) + " wide)";
}

bool scrolls_at(QLineEdit const& edit, int size)
{
    QFont font = edit.font();
    font.setPixelSize(size);
    return qRound(QFontMetricsF(font).horizontalAdvance(edit.displayText())) + 1 > text_room(edit);
}

}
