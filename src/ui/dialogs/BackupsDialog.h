// File > Backups...: the backups kept of the open file, newest first, each with its time,
// size and what differs between it and the database open now. Open takes the chosen one
// into the window as unsaved changes; Show Folder shows where they are kept.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QPushButton;
class QTableWidget;

namespace kavro {

struct BackupRow {
    QString time;
    QString size;
    QString difference;
};

class BackupsDialog : public QDialog {
public:
    BackupsDialog(const QString& file, const QString& folder, const QList<BackupRow>& rows,
                  QWidget* parent);

    // The row Open was pressed for; -1 when the dialog was closed without.
    int chosen() const { return chosen_; }
    // Called by Show Folder.
    void setShowFolder(std::function<void()> show) { showFolder_ = std::move(show); }

    QTableWidget* table() const { return table_; }
    QPushButton* openButton() const { return open_; }
    QPushButton* showFolderButton() const { return showFolderButton_; }

private:
    QTableWidget* table_;
    QPushButton* open_;
    QPushButton* showFolderButton_;
    std::function<void()> showFolder_;
    int chosen_ = -1;
};

}  // namespace kavro
