// "Find": the field above the channel list whose text filters the list as it is typed
// (WindowRefresh::applyFind). Ctrl+F gives it the focus. Escape in the field empties it;
// in an empty field Escape goes on to the window, as anywhere else. Down goes to the list's
// first match, Enter opens it (MainWindow's wiring).
#pragma once

#include <QLineEdit>

#include "database/ChannelFind.h"

namespace kavro {

class FindField : public QLineEdit {
    Q_OBJECT

public:
    explicit FindField(QWidget* parent = nullptr);

    // The text as the list's filter: its Latin-1 bytes; a text with a character beyond
    // Latin-1, which no name holds, matches nothing.
    ChannelFind find() const;

signals:
    void downPressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kavro
