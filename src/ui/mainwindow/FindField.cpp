#include "FindField.h"

#include <QKeyEvent>
#include <string>

#include "database/FieldRules.h"

namespace kavro {

FindField::FindField(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("findField"));
    setClearButtonEnabled(true);
}

ChannelFind FindField::find() const {
    std::string latin1;
    if (!utf8ToLatin1(text().toStdString(), latin1)) {
        return ChannelFind::matchingNothing();
    }
    return ChannelFind(latin1);
}

void FindField::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::NoModifier) {
        event->accept();
        emit downPressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace kavro
