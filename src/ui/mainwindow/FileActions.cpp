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
#include "dbfile/DatabaseImage.h"
#include "ui/dialogs/Interaction.h"

namespace kavro {

namespace {

// A message about a file: its text, then the file and the reason on a line of their own,
// as kavro-tool prints them.
QString fileMessage(const char* text, const QString& path, const std::string& reason) {
    return QStringLiteral("%1\n%2: %3")
        .arg(QString::fromLatin1(text), QDir::toNativeSeparators(path), coreText(reason));
}

const char* const WriteFailed = "File write failed! The file was left as it was.";

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
            showMessage(fileMessage("File open failed!", path, result.systemReason));
            return;
        case OpenOutcome::ReadError:
            showMessage(fileMessage("File read failed! The database shown was kept.", path,
                                    result.systemReason));
            return;
        case OpenOutcome::Invalid:
            showMessage(fileMessage("Invalid DB file!", path, imageProblemText(result.problem)));
            return;
    }
    currentPath = path;
    setDirty(false);
    isLoaded = 1;
    resetSelection();
    rebuildViewIndex();
    saveAsButton_->setEnabled(true);
    FillChannelList();
    tree_->FillSatelliteTree();
}

// Another file shows the whole view: a satellite filter or a selection of the file before
// would name satellites and transponders that may not exist in it.
void MainWindow::resetSelection() {
    showAllChannels = 1;
    selectionKind = SelectionNone;
    selectedSatellite = 0;
    selectedTransponder = TransponderCapacity;
}

void MainWindow::OnSave() {
    if (!isDirty) {
        return;
    }
    if (WriteCurrentFile()) {
        setDirty(false);
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
            showMessage(fileMessage("File open failed!", currentPath, result.systemReason));
            return false;
        case SaveOutcome::CannotCreate:
        case SaveOutcome::WriteError:
            showMessage(fileMessage(WriteFailed, currentPath, result.systemReason));
            return false;
    }
    return false;
}

// The chosen path becomes the current one only once the file was written, so that a
// failed Save As leaves Save writing to the file that is open.
void MainWindow::OnSaveAs() {
    if (!isLoaded) {
        return;
    }
    const QString path = interaction_.chooseSaveFile(this, currentPath);
    if (path.isEmpty()) {
        return;
    }
    showViewModeInControls();
    const SaveResult result = saveWithGuards(interaction_, this, path, SaveKind::SaveAs);
    switch (result.outcome) {
        case SaveOutcome::Written:
            currentPath = path;
            setDirty(false);
            return;
        case SaveOutcome::ChangedOnDisk:
        case SaveOutcome::BackupFailed:
            return;  // the user chose not to save
        case SaveOutcome::FolderRefused:
            showMessage(folderRefusedMessage(path, result.systemReason));
            return;
        case SaveOutcome::CannotOpen:
        case SaveOutcome::CannotCreate:
            showMessage(fileMessage("File create failed!", path, result.systemReason));
            return;
        case SaveOutcome::WriteError:
            showMessage(fileMessage(WriteFailed, path, result.systemReason));
            return;
    }
}

bool MainWindow::settleUnsavedChanges() {
    if (!isDirty) {
        return true;
    }
    const QString question = QStringLiteral("Do you want to save changes?\n%1")
                                 .arg(QDir::toNativeSeparators(currentPath));
    switch (interaction_.messageBox(this, question, Interaction::Buttons::SaveDiscardCancel,
                                    Interaction::Icon::None)) {
        case Interaction::Answer::Save:
            OnSave();
            return !isDirty;
        case Interaction::Answer::Discard:
            return true;
        default:
            return false;
    }
}

// Closing after "Don't Save" ends the window as rejected, after a save as accepted.
void MainWindow::OnExit() {
    const bool hadChanges = isDirty;
    if (!settleUnsavedChanges()) {
        return;
    }
    done(hadChanges && isDirty ? QDialog::Rejected : QDialog::Accepted);
}

void MainWindow::reject() {
    list_->cancelDrag();
    if (!settleUnsavedChanges()) {
        return;
    }
    QDialog::reject();
}

}  // namespace kavro
