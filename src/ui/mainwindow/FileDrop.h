// A .tbn file dropped on the window from a file manager: the window and the views that
// take drops of their own (the list's rows) hand a file drop over to it. Other drops pass.
#pragma once

#include <QObject>
#include <QString>
#include <initializer_list>

class QMimeData;
class QWidget;

namespace kavro {

class FileDrop : public QObject {
    Q_OBJECT

public:
    FileDrop(QWidget& window, std::initializer_list<QWidget*> views);

    // The first local .tbn file the data carries; empty when none.
    static QString droppedFile(const QMimeData* data);

signals:
    void fileDropped(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kavro
