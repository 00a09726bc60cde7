#include "PlainTextDelegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QtMath>

namespace kavro {

namespace {

// More than the cells a screen shows at once, and the tree's items: scrolling back finds
// their texts laid out.
constexpr qsizetype MostLaidOut = 4096;

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem& option) {
    if (!(option.state & QStyle::State_Enabled)) {
        return QPalette::Disabled;
    }
    return (option.state & QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
}

// The cell's own stretch of the grid: a table drawing its grid draws each vertical line the
// whole height of the view at once, which Qt's painting splits over worker threads, waking
// them a dozen times per line.
void drawGrid(QPainter* painter, const QStyleOptionViewItem& option) {
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QColor color(
        static_cast<QRgb>(style->styleHint(QStyle::SH_Table_GridLineColor, &option, widget)));
    const QRect& cell = option.rect;
    painter->fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), color);
    painter->fillRect(QRect(cell.left(), cell.bottom(), cell.width() - 1, 1), color);
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

PlainTextDelegate::PlainTextDelegate(Qt::Alignment alignment, Grid grid, QObject* parent)
    : QStyledItemDelegate(parent), alignment_(alignment), grid_(grid) {}

int PlainTextDelegate::margin(const QStyleOptionViewItem& option) const {
    const QWidget* widget = option.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QPalette::ColorGroup group = colorGroup(option);
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) {
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    }
    const int inset = margin(option);
    const QRect area = option.rect.adjusted(inset, 0, -inset, 0);
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!text.isEmpty() && area.width() > 0) {
        const QStaticText& shown = laidOut(text, area.width(), option.font);
        const QSizeF size = shown.size();
        const qreal left = (alignment_ & Qt::AlignHCenter) ? (area.width() - size.width()) / 2
                           : (alignment_ & Qt::AlignRight) ? area.width() - size.width()
                                                           : 0;
        const QPointF at(area.x() + left, area.y() + (area.height() - size.height()) / 2);
        painter->setPen(
            option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        painter->setFont(option.font);
        painter->drawStaticText(at, shown);
    }
    if (grid_ == Grid::Lines) {
        drawGrid(painter, option);
    }
    if (option.state & QStyle::State_HasFocus) {
        drawFocus(painter, option, group);
    }
}

QSize PlainTextDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
    useFont(option.font);
    if (rowHeight_ < 0) {
        rowHeight_ = QStyledItemDelegate::sizeHint(option, index).height();
    }
    const QString text = index.data(Qt::DisplayRole).toString();
    const int width = text.isEmpty() ? 0 : qCeil(laidOut(text, -1, option.font).size().width());
    return {width + 2 * margin(option), rowHeight_};
}

void PlainTextDelegate::useFont(const QFont& font) const {
    if (font != font_) {
        laidOut_.clear();
        font_ = font;
        rowHeight_ = -1;
    }
}

const QStaticText& PlainTextDelegate::laidOut(const QString& text, int width,
                                              const QFont& font) const {
    useFont(font);
    if (laidOut_.size() >= MostLaidOut) {
        laidOut_.clear();
    }
    const Key key{text, width};
    auto found = laidOut_.constFind(key);
    if (found != laidOut_.constEnd()) {
        return *found;
    }
    const QFontMetrics metrics(font);
    QStaticText shown(width < 0 || metrics.horizontalAdvance(text) <= width
                          ? text
                          : metrics.elidedText(text, Qt::ElideRight, width));
    shown.setTextFormat(Qt::PlainText);
    shown.prepare(QTransform(), font);
    return *laidOut_.insert(key, std::move(shown));
}

}  // namespace kavro
