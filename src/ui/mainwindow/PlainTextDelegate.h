// Paints the cells of the channel list and the items of the satellite tree: one line of
// plain text, placed by the alignment given and cut short with an ellipsis when too wide,
// on the selection's colour when selected, with the table's grid lines on the right and at
// the bottom when asked. The style's own item painting lays each text out
// three times at every paint (to measure the item, to cut it short and to draw it), and the
// tree measures every item again after each change; here a text is laid out once and kept
// while it is on screen, so a repaint only draws glyphs already placed.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace kavro {

class PlainTextDelegate : public QStyledItemDelegate {
public:
    enum class Grid { None, Lines };

    PlainTextDelegate(Qt::Alignment alignment, Grid grid, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // `text` laid out in `font`, cut short to `width` pixels when wider (-1: never).
    const QStaticText& laidOut(const QString& text, int width, const QFont& font) const;
    int margin(const QStyleOptionViewItem& option) const;
    // Forgets what was laid out in another font.
    void useFont(const QFont& font) const;

    struct Key {
        QString text;
        int width;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) {
        return qHashMulti(seed, key.text, key.width);
    }

    Qt::Alignment alignment_;
    Grid grid_;
    mutable QHash<Key, QStaticText> laidOut_;
    mutable QFont font_;
    // The style's item height for font_: it does not depend on the text of one line.
    mutable int rowHeight_ = -1;
};

}  // namespace kavro
