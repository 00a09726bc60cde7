// The keys that open a popup from the keyboard: the menu key and Shift+F10.
#pragma once

#include <QKeyEvent>

namespace kavro {

inline bool isMenuKey(const QKeyEvent* event) {
    return event->key() == Qt::Key_Menu ||
           (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
}

}  // namespace kavro
