#include "ListCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTreeWidgetItem>
#include <algorithm>
#include <vector>

#include "ChannelListModel.h"
#include "ChannelListView.h"
#include "ListPane.h"
#include "SatelliteTree.h"
#include "SaveGuards.h"
#include "StatusNotices.h"
#include "TreePane.h"
#include "WindowParts.h"
#include "WindowRefresh.h"
#include "WindowSelection.h"
#include "database/ChannelDatabase.h"
#include "database/ListExport.h"
#include "database/OrderTransfer.h"
#include "database/ViewIndex.h"
#include "dbfile/FileMessages.h"
#include "session/EditSession.h"
#include "session/ImportEdit.h"
#include "session/OrderReference.h"
#include "ui/dialogs/ImportDialog.h"
#include "ui/dialogs/Interaction.h"
#include "ui/dialogs/ShownPath.h"
#include "ui/language/CoreTexts.h"

namespace kavro {

namespace {

// A message about a file, as the file commands word them.
QString fileMessage(const QString& text, const QString& path, const QString& reason) {
    return QStringLiteral("%1\n%2: %3").arg(text, shownPath(path), reason);
}

// The open file's name with ".csv" in place of its suffix; empty without a file.
QString listPathBeside(const QString& databasePath) {
    if (databasePath.isEmpty()) {
        return {};
    }
    const QFileInfo file(databasePath);
    return QDir(file.absolutePath()).filePath(file.completeBaseName() + QStringLiteral(".csv"));
}

// Writes all of `bytes` to `path` in place of what it held; the reason when it failed.
QString writeWholeFile(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return {};
}

}  // namespace

void ListCommands::exportList() {
    if (!parts_.session.isOpen()) {
        return;
    }
    const QString path = parts_.interaction.chooseListFile(
        parts_.window, listPathBeside(uiPath(parts_.session.path())));
    if (path.isEmpty()) {
        return;
    }
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(parts_.list.model()->rowCount()));
    for (int row = 0; row < parts_.list.model()->rowCount(); ++row) {
        rows.push_back(parts_.list.model()->channelAt(ListRow(row)).value);
    }
    const QString failure = writeWholeFile(path, listCsv(parts_.session.database(), rows));
    if (!failure.isEmpty()) {
        parts_.showMessage(fileMessage(translatedCoreText(FileCreateFailedText), path, failure));
        return;
    }
    const int exported = static_cast<int>(rows.size());
    report(QCoreApplication::translate("kavro::ListCommands", "Exported %n channel(s) to %1",
                                       nullptr, exported)
               .arg(shownPath(path)));
}

// A result that needs no answer: in the status bar.
void ListCommands::report(const QString& text) {
    if (parts_.notices != nullptr) {
        parts_.notices->show(text);
    }
}

void ListCommands::applyOrder() {
    if (!parts_.session.isOpen()) {
        return;
    }
    const QString path = parts_.interaction.chooseReferenceFile(parts_.window);
    if (path.isEmpty()) {
        return;
    }
    const ReferenceOrder reference = readReferenceOrder(parts_.session.database(), corePath(path),
                                                        parts_.session.otherDatabases());
    if (reference.outcome != ReferenceOutcome::Matched) {
        parts_.showMessage(
            fileMessage(coreText(reference.message), path, coreText(reference.reason)));
        return;
    }
    const EditResult result = parts_.session.apply(reference.edit);
    if (!result.applied) {
        parts_.showMessage(coreText(result.refusal));
        return;
    }
    report(coreText(
        orderCountsText(static_cast<int>(reference.edit.channels.size()), reference.unmatched)));
}

void ListCommands::importFrom() {
    if (!parts_.session.isOpen()) {
        return;
    }
    const QString path = parts_.interaction.chooseImportFile(
        parts_.window, QFileInfo(uiPath(parts_.session.path())).absolutePath());
    if (path.isEmpty()) {
        return;
    }
    ImportSource source = readImportSource(corePath(path), parts_.session.otherDatabases());
    if (!source.database) {
        parts_.showMessage(fileMessage(coreText(source.message), path, coreText(source.reason)));
        return;
    }
    const int row = parts_.list.view()->firstSelectedRow();
    const QString report = runImportDialog(parts_.dialogContext(), std::move(source.database),
                                           QFileInfo(path).fileName(),
                                           parts_.list.model()->channelAt(ListRow(row)).value);
    if (!report.isEmpty() && parts_.notices) {
        parts_.notices->show(report);
    }
}

void ListCommands::showFinding(int channel, int transponder) {
    const ChannelDatabase& db = parts_.session.database();
    if (db.isLiveChannel(channel)) {
        showChannel(channel);
    } else if (db.isLiveTransponder(transponder)) {
        showTransponder(transponder);
    }
}

void ListCommands::showChannel(int channel) {
    parts_.refresh.revealChannel(channel);
    if (const ListRow row = parts_.list.model()->rowOf(ChannelSlot(channel)); row.exists()) {
        parts_.list.view()->clearSelection();
        parts_.list.view()->selectAndShowRow(row);
        parts_.selection.takeList();
    }
}

void ListCommands::showTransponder(int transponder) {
    const int satellite = parts_.session.database().transponderSatellite(transponder);
    if (QTreeWidgetItem* item = parts_.tree.tree()->itemOfTransponder(satellite, transponder)) {
        parts_.tree.tree()->setCurrentItem(item);
        parts_.tree.tree()->scrollToItem(item);
    }
}

}  // namespace kavro
