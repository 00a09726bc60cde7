// The program's icon in every size the desktop draws it, so that it stays sharp on screens
// scaled to 150 % and 200 %.
#pragma once

#include <QIcon>
#include <QString>

namespace kavro {

inline QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

}  // namespace kavro
