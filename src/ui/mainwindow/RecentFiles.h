// The recent files of Open Recent: the last eight opened or saved, the newest first, each
// once. A file that cannot be opened when chosen leaves the list.
#pragma once

#include <QString>
#include <QStringList>

namespace kavro {

class WindowSettings;

class RecentFiles {
public:
    static constexpr int Capacity = 8;

    explicit RecentFiles(WindowSettings& settings) : settings_(settings) {}

    QStringList paths() const;
    // Puts `path` first, once; the oldest beyond the capacity leave.
    void add(const QString& path);
    void remove(const QString& path);
    void clear();

private:
    WindowSettings& settings_;
};

}  // namespace kavro
