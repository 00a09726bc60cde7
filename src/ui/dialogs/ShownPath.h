// A file's name as messages, menus and the title show it: the platform's separators, and
// every control character (a line break or an escape in the name, say) as U+FFFD, so a name
// cannot break a message into lines that look like the program's own. The path itself is
// never changed by this.
#pragma once

#include <QDir>
#include <QString>

namespace kavro {

inline QString shownPath(const QString& path) {
    QString shown = QDir::toNativeSeparators(path);
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control) {  // C0, DEL and C1
            c = QChar::ReplacementCharacter;
        }
    }
    return shown;
}

}  // namespace kavro
