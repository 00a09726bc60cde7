#include "SatelliteTree.h"

#include <QHeaderView>
#include <QMouseEvent>

#include "MenuKey.h"
#include "PlainTextDelegate.h"
#include "ShownText.h"
#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

namespace {

// A tree item keeps its text as the core wrote it, and translates it only when it is first
// shown or measured: the items of collapsed satellites, most of them, never are.
class TreeItem : public QTreeWidgetItem {
public:
    TreeItem(int data, int transponder) : data_(data), transponder_(transponder) {}

    // False, changing nothing, when the item holds `text` already.
    bool setCoreText(const std::string& text) {
        if (coreText_ == text) {
            return false;
        }
        coreText_ = text;
        translated_ = false;
        return true;
    }

    QVariant data(int column, int role) const override {
        if (column != 0) {
            return QTreeWidgetItem::data(column, role);
        }
        switch (role) {
            case Qt::DisplayRole:
            case Qt::EditRole:
                if (!translated_) {
                    shown_ = translatedShownText(shownText(coreText_));
                    translated_ = true;
                }
                return shown_;
            case SatelliteTree::ItemDataRole:
                return data_;
            case SatelliteTree::TransponderRole:
                return transponder_;
            default:
                return QTreeWidgetItem::data(column, role);
        }
    }

private:
    int data_;
    int transponder_;
    std::string coreText_;
    mutable QString shown_;
    mutable bool translated_ = false;
};

// Gives the item the core's `text`; false when it has it already. Outside a fill the model
// is to be told (see SatelliteTree::textsChanged).
bool setItemText(QTreeWidgetItem* item, const std::string& text) {
    return static_cast<TreeItem*>(item)->setCoreText(text);
}

QTreeWidgetItem* makeItem(const std::string& text, int data, int transponder = 0) {
    auto* item = new TreeItem(data, transponder);
    item->setCoreText(text);
    return item;
}

}  // namespace

SatelliteTree::SatelliteTree(QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(1);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(false);
    setAllColumnsShowFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setItemDelegate(new PlainTextDelegate(Qt::AlignLeft | Qt::AlignVCenter,
                                          PlainTextDelegate::Grid::None, this));
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);

    QPalette shown = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        shown.setColor(QPalette::Inactive, role, shown.color(QPalette::Active, role));
    }
    setPalette(shown);
}

void SatelliteTree::fill(const ChannelDatabase& db, const ViewIndex& index) {
    clear();
    QList<QTreeWidgetItem*> satellites;
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!db.isSatelliteShown(s)) {
            continue;
        }
        QTreeWidgetItem* item = makeItem(satelliteItemText(db, index, s), s);
        addTransponderItems(item, db, index, s);
        satellites.append(item);
    }
    addTopLevelItems(satellites);
}

void SatelliteTree::addTransponderItems(QTreeWidgetItem* satelliteItem, const ChannelDatabase& db,
                                        const ViewIndex& index, int s) {
    QList<QTreeWidgetItem*> children;
    const int count = index.satelliteTransponderCount(s);
    children.reserve(count);
    for (int j = 0; j < count; ++j) {
        const int t = index.satelliteTransponder(s, j);
        QTreeWidgetItem* item = makeItem(transponderItemText(db, index, t), s * 65536 + j, t);
        children.append(item);
    }
    satelliteItem->addChildren(children);
}

// The shown satellites and each one's transponder items as the tables have them now, or
// filled anew where they differ; the other items stay with their expansion and selection.
void SatelliteTree::update(const ChannelDatabase& db, const ViewIndex& index) {
    int i = 0;
    bool changed = false;
    for (int s = 0; s < SatelliteCapacity; ++s) {
        if (!db.isSatelliteShown(s)) {
            continue;
        }
        if (i >= topLevelItemCount() || itemData(topLevelItem(i)) != s) {
            fill(db, index);  // another set of satellites
            return;
        }
        QTreeWidgetItem* satellite = topLevelItem(i++);
        changed |= setItemText(satellite, satelliteItemText(db, index, s));
        if (holdsTransponders(satellite, index, s)) {
            changed |= refreshChildTexts(satellite, db, index);
        } else {
            qDeleteAll(satellite->takeChildren());
            addTransponderItems(satellite, db, index, s);
        }
    }
    if (i != topLevelItemCount()) {
        fill(db, index);
    } else if (changed) {
        textsChanged();
    }
}

bool SatelliteTree::holdsTransponders(const QTreeWidgetItem* satellite, const ViewIndex& index,
                                      int s) {
    const int count = index.satelliteTransponderCount(s);
    if (satellite->childCount() != count) {
        return false;
    }
    for (int j = 0; j < count; ++j) {
        if (filledTransponder(satellite->child(j)) != index.satelliteTransponder(s, j)) {
            return false;
        }
    }
    return true;
}

bool SatelliteTree::refreshChildTexts(QTreeWidgetItem* satellite, const ChannelDatabase& db,
                                      const ViewIndex& index) {
    bool changed = false;
    for (int j = 0; j < satellite->childCount(); ++j) {
        QTreeWidgetItem* item = satellite->child(j);
        changed |= setItemText(item, transponderItemText(db, index, filledTransponder(item)));
    }
    return changed;
}

// An item whose core text stays costs a comparison; the view hears of the new texts once.
void SatelliteTree::refreshTexts(const ChannelDatabase& db, const ViewIndex& index) {
    bool changed = false;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* satellite = topLevelItem(i);
        changed |= setItemText(satellite, satelliteItemText(db, index, itemData(satellite)));
        changed |= refreshChildTexts(satellite, db, index);
    }
    if (changed) {
        textsChanged();
    }
}

// Items change their texts without telling the model; this does what its notice of each
// would have done: the items drawn anew and the column
// made as wide as its longest text.
void SatelliteTree::textsChanged() {
    viewport()->update();
    header()->resizeSections(QHeaderView::ResizeToContents);
}

QList<int> SatelliteTree::expandedSatellites() const {
    QList<int> satellites;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (topLevelItem(i)->isExpanded()) {
            satellites.append(itemData(topLevelItem(i)));
        }
    }
    return satellites;
}

void SatelliteTree::expandSatellites(const QList<int>& satellites) {
    for (int s : satellites) {
        if (QTreeWidgetItem* item = satelliteItem(s)) {
            item->setExpanded(true);
        }
    }
}

bool SatelliteTree::isTransponderItem(const QTreeWidgetItem* item) {
    return item && item->parent();
}

int SatelliteTree::itemData(const QTreeWidgetItem* item) {
    return item ? item->data(0, ItemDataRole).toInt() : 0;
}

int SatelliteTree::itemSatellite(const QTreeWidgetItem* item) {
    const int data = itemData(item);
    return isTransponderItem(item) ? data >> 16 : data;
}

int SatelliteTree::itemTransponder(const QTreeWidgetItem* item, const ViewIndex& index) {
    if (!isTransponderItem(item)) {
        return TransponderCapacity;
    }
    const int data = itemData(item);
    const int s = data >> 16;
    const int j = data & 0xFFFF;
    return j < index.satelliteTransponderCount(s) ? index.satelliteTransponder(s, j)
                                                  : TransponderCapacity;
}

int SatelliteTree::filledTransponder(const QTreeWidgetItem* item) {
    return isTransponderItem(item) ? item->data(0, TransponderRole).toInt() : TransponderCapacity;
}

QTreeWidgetItem* SatelliteTree::itemOfTransponder(int s, int t) const {
    QTreeWidgetItem* parent = satelliteItem(s);
    for (int j = 0; parent && j < parent->childCount(); ++j) {
        if (filledTransponder(parent->child(j)) == t) {
            return parent->child(j);
        }
    }
    return nullptr;
}

QTreeWidgetItem* SatelliteTree::selectedItem() const {
    const QList<QTreeWidgetItem*> items = selectedItems();
    return items.isEmpty() ? nullptr : items.first();
}

QTreeWidgetItem* SatelliteTree::satelliteItem(int s) const {
    for (int i = 0; i < topLevelItemCount(); ++i) {
        if (itemData(topLevelItem(i)) == s) {
            return topLevelItem(i);
        }
    }
    return nullptr;
}

QTreeWidgetItem* SatelliteTree::transponderItem(int s, int j) const {
    QTreeWidgetItem* parent = satelliteItem(s);
    return parent && j >= 0 && j < parent->childCount() ? parent->child(j) : nullptr;
}

// The one column is as wide as its longest text, and at least as wide as the tree, so
// that a selected item is highlighted across the whole row.
void SatelliteTree::resizeEvent(QResizeEvent* event) {
    QTreeWidget::resizeEvent(event);
    header()->setMinimumSectionSize(viewport()->width());
}

QPoint SatelliteTree::keyboardMenuPosition() const {
    const QTreeWidgetItem* item = selectedItem();
    const QRect rect = item ? visualItemRect(item) : QRect();
    if (rect.isValid() && viewport()->rect().contains(rect.bottomLeft())) {
        return viewport()->mapToGlobal(QPoint(rect.left() + rect.height(), rect.bottom()));
    }
    return viewport()->mapToGlobal(QPoint(0, 0));
}

// A right press on an item that is not selected selects it first, so that the popup the
// release opens belongs to the item under the mouse. Beside the items it opens nothing.
void SatelliteTree::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        QTreeWidgetItem* item = itemAt(event->position().toPoint());
        rightPressedOnItem_ = item != nullptr;
        if (item && !item->isSelected()) {
            setCurrentItem(item);
        }
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()) == nullptr) {
        event->accept();
        emit showAllRequested();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void SatelliteTree::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        if (rightPressedOnItem_) {
            rightPressedOnItem_ = false;
            emit treeRightClicked();
        }
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void SatelliteTree::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        mousePressEvent(event);
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit treeDoubleClicked();
    }
}

// The popup comes from the right button's release and from the keys, never from here.
void SatelliteTree::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void SatelliteTree::keyPressEvent(QKeyEvent* event) {
    if (isMenuKey(event)) {
        event->accept();
        emit menuKeyPressed();
        return;
    }
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (event->key() == Qt::Key_Delete && plain) {
        event->accept();
        emit deleteKeyPressed();
        return;
    }
    if (event->key() == Qt::Key_Escape && plain && !selectedItems().isEmpty()) {
        event->accept();
        emit showAllRequested();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

}  // namespace kavro
