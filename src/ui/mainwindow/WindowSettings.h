// What the window remembers between runs: its geometry, the splitter, the list's column
// widths, the last folders of the Open and Save As choosers, the recent files and the
// notices and questions the user asked not to see again. Kept in a settings file, or in
// memory only (the window tests, and a window made without settings).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <memory>

class QSettings;

namespace kavro {

class WindowSettings {
public:
    // In memory only: nothing is read or written.
    WindowSettings();
    // Read from and written to the INI file at `path`.
    explicit WindowSettings(const QString& path);
    ~WindowSettings();
    WindowSettings(const WindowSettings&) = delete;
    WindowSettings& operator=(const WindowSettings&) = delete;

    // The user's settings file of kavro.
    static std::unique_ptr<WindowSettings> forUser();

    QByteArray bytes(const QString& key) const;
    void setBytes(const QString& key, const QByteArray& value);
    QString text(const QString& key) const;
    void setText(const QString& key, const QString& value);
    QStringList list(const QString& key) const;
    void setList(const QString& key, const QStringList& value);
    // Writes what changed to the file now.
    void sync();

    // The keys.
    static inline const char* const Geometry = "window/geometry";
    static inline const char* const Splitter = "window/splitter";
    static inline const char* const Docks = "window/docks";  // the toolbar and the Problems dock
    static inline const char* const ListColumns = "window/listColumns";
    static inline const char* const OpenFolder = "folders/open";
    static inline const char* const SaveAsFolder = "folders/saveAs";
    static inline const char* const RecentFiles = "recentFiles";
    static inline const char* const SkippedQuestions = "skippedQuestions";

private:
    QVariant value(const QString& key) const;
    void store(const QString& key, const QVariant& value);

    std::unique_ptr<QSettings> file_;
    QVariantMap memory_;
};

}  // namespace kavro
