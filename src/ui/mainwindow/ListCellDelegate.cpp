#include "ListCellDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

namespace kavro {

namespace {

// More than the cells a screen shows at once: scrolling back finds its texts laid out.
constexpr qsizetype MostLaidOut = 4096;

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

void drawFocus(QPainter* painter, const QStyleOptionViewItem& option, QPalette::ColorGroup group) {
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    focus.backgroundColor = option.palette.color(
        group, (option.state & QStyle::State_Selected) ? QPalette::Highlight : QPalette::Window);
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
}

}  // namespace

void ListCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QPalette::ColorGroup group = colorGroup(option);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    }
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = option.rect.adjusted(margin, 0, -margin, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && area.width() > 0) {
        const QStaticText& shown = laidOut(text, area.width(), option.font);
        const QSizeF size = shown.size();
        const QPointF at(area.x() + (area.width() - size.width()) / 2,
                         area.y() + (area.height() - size.height()) / 2);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawStaticText(at, shown);
    }
    if (option.state & QStyle::State_HasFocus) {
        drawFocus(painter, option, group);
    }
}

const QStaticText& ListCellDelegate::laidOut(const QString& text, int width,
                                             const QFont& font) const {
    if (font != font_ || laidOut_.size() >= MostLaidOut) {
        laidOut_.clear();
        font_ = font;
    }
    const Key key{text, width};
    auto found = laidOut_.constFind(key);
    if (found != laidOut_.constEnd()) {
        return *found;
    }
    const QFontMetrics metrics(font);
    QStaticText shown(metrics.horizontalAdvance(text) <= width
                          ? text
                          : metrics.elidedText(text, Qt::ElideRight, width));
    shown.setTextFormat(Qt::PlainText);
    shown.prepare(QTransform(), font);
    return *laidOut_.insert(key, std::move(shown));
}

}  // namespace kavro
