#include "RecentFiles.h"

#include <QFileInfo>

#include "WindowSettings.h"

namespace kavro {

namespace {

// One spelling per file, so that a file opened by two routes is listed once.
QString normalPath(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

QStringList RecentFiles::paths() const {
    QStringList paths = settings_.list(QString::fromLatin1(WindowSettings::RecentFiles));
    paths.removeAll(QString());
    if (paths.size() > Capacity) {
        paths.resize(Capacity);
    }
    return paths;
}

void RecentFiles::add(const QString& path) {
    const QString added = normalPath(path);
    QStringList list = paths();
    list.removeAll(added);
    list.prepend(added);
    if (list.size() > Capacity) {
        list.resize(Capacity);
    }
    settings_.setList(QString::fromLatin1(WindowSettings::RecentFiles), list);
}

void RecentFiles::remove(const QString& path) {
    QStringList list = paths();
    list.removeAll(normalPath(path));
    list.removeAll(path);
    settings_.setList(QString::fromLatin1(WindowSettings::RecentFiles), list);
}

void RecentFiles::clear() {
    settings_.setList(QString::fromLatin1(WindowSettings::RecentFiles), {});
}

}  // namespace kavro
