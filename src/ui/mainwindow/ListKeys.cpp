// The channel list's keys. Delete and the menu key go to the window, as do Ctrl+Home,
// Ctrl+End, Ctrl+Up and Ctrl+Down (the moves of the selection) and Enter, Return and F2
// (the channel dialog for the current row). Home and End go to the first and the last row,
// Page Up and Page Down by a page, Shift and Ctrl select as in any list. Letters typed in a
// row jump to the next row whose channel's name starts with them; the same letter typed
// again and again steps through the names that start with it.
#include <QApplication>
#include <QKeyEvent>
#include <string>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "MenuKey.h"
#include "database/FieldRules.h"

namespace kavro {

namespace {

bool isMoveKey(int key) {
    return key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool isOpenKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2;
}

}  // namespace

void ChannelListView::keyPressEvent(QKeyEvent* event) {
    if (dragging_) {
        // Escape goes on to the window, which ends the drag before it closes.
        event->setAccepted(event->key() != Qt::Key_Escape);
        return;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Delete && modifiers == Qt::NoModifier) {
        event->accept();
        emit deleteKeyPressed();
        return;
    }
    if (isMenuKey(event)) {
        event->accept();
        emit menuKeyPressed();
        return;
    }
    if (isMoveKey(event->key()) && modifiers == Qt::ControlModifier) {
        event->accept();
        emit moveKeyPressed(event->key());
        return;
    }
    if (isOpenKey(event->key()) && modifiers == Qt::NoModifier) {
        event->accept();
        emit openKeyPressed();
        return;
    }
    handlingKey_ = true;
    keyChangedSelection_ = false;
    QTableView::keyPressEvent(event);
    handlingKey_ = false;
    if (keyChangedSelection_) {
        emit selectedByKeyboard();
    }
}

// Whole rows are selected: Home and End are about rows, not columns.
QModelIndex ChannelListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveHome || action == MoveEnd) {
        modifiers |= Qt::ControlModifier;
    }
    return QTableView::moveCursor(action, modifiers);
}

void ChannelListView::keyboardSearch(const QString& search) {
    if (!model_ || search.isEmpty()) {
        return;
    }
    const bool fresh =
        !typedTime_.isValid() || typedTime_.elapsed() > QApplication::keyboardInputInterval();
    typedTime_.start();
    typed_ = fresh ? search : typed_ + search;
    const bool repeated = typed_.size() > 1 && typed_.count(typed_.back()) == typed_.size();
    // No name holds a character beyond Latin-1.
    std::string prefix;
    if (!utf8ToLatin1((repeated ? QString(typed_.back()) : typed_).toStdString(), prefix)) {
        return;
    }
    // A new search, or the same letter again, starts after the current row; a longer text
    // may still match the current row.
    const QModelIndex current = currentIndex();
    const int from =
        !current.isValid() ? 0 : (fresh || repeated ? current.row() + 1 : current.row());
    const int row = model_->nextRowStartingWith(prefix, from);
    if (row < 0) {
        return;
    }
    const QModelIndex found = model_->index(row, current.isValid() ? current.column() : 0);
    selectionModel()->setCurrentIndex(
        found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(found, QAbstractItemView::EnsureVisible);
}

}  // namespace kavro
