// Open, Save, Save As and Exit: reading a database file into the tables, writing it back,
// the unsaved-changes flag with the Save and Save As buttons, and the question that keeps
// changes from being lost.
#include <QDir>
#include <QPushButton>

#include "ChannelListCtrl.h"
#include "MainWindow.h"
#include "SatelliteTree.h"
#include "SaveGuards.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

QString fileErrorText(const char* what, const QString& path, const std::string& reason) {
    return QStringLiteral("%1\n\n%2\n%3")
        .arg(QString::fromLatin1(what), QDir::toNativeSeparators(path), coreText(reason));
}

}  // namespace

void MainWindow::OnOpen() {
    if (!settleUnsavedChanges()) {
        return;
    }
    const QString path = interaction_.chooseOpenFile(this);
    if (path.isEmpty()) {
        return;
    }
    showViewModeInControls();
    const OpenResult result = openDatabaseFile(corePath(path));
    switch (result.outcome) {
        case OpenOutcome::Accepted:
            break;
        case OpenOutcome::CannotOpen:
            showMessage(QStringLiteral("File open failed!"));
            return;
        case OpenOutcome::ReadError:
            showMessage(fileErrorText("File read failed! The database shown was kept.", path,
                                      result.systemReason));
            return;
        case OpenOutcome::Invalid:
            showMessage(QStringLiteral("Invalid DB file!"));
            return;
    }
    currentPath = path;
    isDirty = 0;
    isLoaded = 1;
    rebuildViewIndex();
    saveAsButton_->setEnabled(true);
    FillChannelList();
    tree_->FillSatelliteTree();
}

void MainWindow::OnSave() {
    if (!isDirty) {
        return;
    }
    if (WriteCurrentFile()) {
        isDirty = 0;
        saveButton_->setEnabled(false);
    }
}

bool MainWindow::WriteCurrentFile() {
    const SaveResult result = saveWithGuards(interaction_, this, currentPath, SaveKind::Save);
    switch (result.outcome) {
        case SaveOutcome::Written:
            return true;
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return false;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            showMessage(folderRefusedMessage(currentPath, result.systemReason));
            return false;
        case SaveOutcome::CannotOpen:
            showMessage(QStringLiteral("File open failed!"));
            return false;
        case SaveOutcome::CannotCreate:
        case SaveOutcome::WriteError:
            showMessage(fileErrorText("File write failed! The file was left as it was.",
                                      currentPath, result.systemReason));
            return false;
    }
    return false;
}

void MainWindow::OnSaveAs() {
    if (!isLoaded) {
        return;
    }
    const QString path = interaction_.chooseSaveFile(this, currentPath);
    if (path.isEmpty()) {
        return;
    }
    currentPath = path;
    showViewModeInControls();
    const SaveResult result = saveWithGuards(interaction_, this, path, SaveKind::SaveAs);
    switch (result.outcome) {
        case SaveOutcome::Written:
            isDirty = 0;
            saveButton_->setEnabled(false);
            return;
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            showMessage(folderRefusedMessage(path, result.systemReason));
            return;
        case SaveOutcome::CannotOpen:
        case SaveOutcome::CannotCreate:
            showMessage(QStringLiteral("File create failed!"));
            return;
        case SaveOutcome::WriteError:
            showMessage(fileErrorText("File write failed! The file was left as it was.", path,
                                      result.systemReason));
            return;
    }
}

// With unsaved changes, asks whether to save them. Cancel drops them; OK saves, and a save
// that fails keeps the changes (and the window) where they are.
bool MainWindow::settleUnsavedChanges() {
    if (!isDirty) {
        return true;
    }
    const Interaction::Answer answer =
        interaction_.messageBox(this, QStringLiteral("Do you want to save changes?"),
                                Interaction::Buttons::OkCancel, Interaction::Icon::None);
    if (answer != Interaction::Answer::Ok) {
        return true;
    }
    OnSave();
    return !isDirty;
}

void MainWindow::OnExit() {
    const bool hadChanges = isDirty;
    if (!settleUnsavedChanges()) {
        return;
    }
    done(hadChanges && isDirty ? QDialog::Rejected : QDialog::Accepted);
}

void MainWindow::reject() {
    if (!settleUnsavedChanges()) {
        return;
    }
    QDialog::reject();
}

}  // namespace kavro
