#include "FileDrop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace kavro {

FileDrop::FileDrop(QWidget& window, std::initializer_list<QWidget*> views) : QObject(&window) {
    window.setAcceptDrops(true);
    window.installEventFilter(this);
    for (QWidget* view : views) {
        view->installEventFilter(this);
    }
}

QString FileDrop::droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls()) {
        return {};
    }
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty() &&
            QFileInfo(path).suffix().compare(QStringLiteral("tbn"), Qt::CaseInsensitive) == 0) {
            return path;
        }
    }
    return {};
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) {
        return QObject::eventFilter(watched, event);
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = droppedFile(drop->mimeData());
    if (path.isEmpty()) {
        return QObject::eventFilter(watched, event);
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        // Opened once the file manager's drag has ended: the save question may come first.
        QTimer::singleShot(0, this, [this, path] { emit fileDropped(path); });
    }
    return true;
}

}  // namespace kavro
