// Texts from the file as the tree and the list show them: Latin-1 bytes, one character
// each, with control characters (a line break in a name, say, or a C1 code) shown as U+FFFD
// so that an item stays on one line. The bytes in the database are never changed by this.
#pragma once

#include <QString>
#include <string_view>

namespace kavro {

inline QString shownText(std::string_view latin1) {
    QString text = QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {  // C0, DEL and C1
            c = QChar::ReplacementCharacter;
        }
    }
    return text;
}

}  // namespace kavro
