// Paints the cells of the channel list: one line of plain text, centred and cut short with
// an ellipsis when too wide, on the selection's colour when selected. The style's own item
// painting lays each text out three times at every paint (to measure the item, to cut it
// short and to draw it); here a text is laid out once and kept while it is on screen, so a
// repaint of the list only draws glyphs already placed.
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

namespace kavro {

class ListCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    // `text` laid out in `font`, cut short to `width` pixels when wider.
    const QStaticText& laidOut(const QString& text, int width, const QFont& font) const;

    struct Key {
        QString text;
        int width;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) {
        return qHashMulti(seed, key.text, key.width);
    }

    mutable QHash<Key, QStaticText> laidOut_;
    mutable QFont font_;
};

}  // namespace kavro
