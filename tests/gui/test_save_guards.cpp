// The questions around Save in the window: a file another program changed since it was
// opened (and Reload), the backups kept of replaced files (and a backup that cannot be made),
// and File > Backups....
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "database/ChannelDatabase.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"
#include "support/WindowFixture.h"
#include "ui/dialogs/BackupsDialog.h"
#include "ui/mainwindow/CommandTable.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/mainwindow/MenuBar.h"
#include "ui/mainwindow/SaveGuards.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const QString ChangedQuestion =
    QStringLiteral("The file was changed by another program since it was opened. Overwrite it?");

Bytes fileBytes(const QString& path) {
    return readFileBytes(path.toStdString());
}

// The window's test database, opened, with channel 0 renamed and not yet saved.
struct EditedWindow : OpenedWindow {
    EditedWindow() { renameChannel(0, "Erste"); }
    const Bytes image = windowTestImage();
};

std::string resolved(const QString& path) {
    std::string full;
    fs::resolvePath(path.toStdString(), full);
    return full;
}

// An empty backup folder for the test.
QString freshBackupFolder() {
    const QString folder = backupFolder();
    QFile::remove(folder);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    return folder;
}

}  // namespace

class SaveGuardsTest : public QObject {
    Q_OBJECT

private slots:
    void changedOnDiskAsksAndNoKeepsBoth();
    void backupsKeepTheReplacedVersionAndTheNewestTen();
    void noBackupAsksWhetherToSaveWithoutOne();
    void reloadOpensTheNewContentsAfterTheSaveQuestion();
    void otherNamesOfTheFileAreNeverLeftBehindSilently();
    void backupsListsThemAndOpenTakesOneAsUnsavedChanges();
};

void SaveGuardsTest::changedOnDiskAsksAndNoKeepsBoth() {
    EditedWindow h;
    const Bytes theirs = windowTestImage(99);
    writeFileBytes(h.path.toStdString(), theirs);
    h.interaction.answers.append(Interaction::Answer::No);
    h.window->action(CommandId::Save)->trigger();
    QCOMPARE(h.interaction.messageTexts(), QStringList({ChangedQuestion}));
    QCOMPARE(h.interaction.messages.first().buttons, Interaction::Buttons::YesNoReload);
    QVERIFY(fileBytes(h.path) == theirs);
    QVERIFY(h.showsModified(true));

    h.interaction.answers.append(Interaction::Answer::Yes);
    h.window->action(CommandId::Save)->trigger();
    QCOMPARE(h.interaction.messages.size(), 2);
    QVERIFY(h.showsModified(false));
    const std::unique_ptr<EditSession> saved = loadedFile(h.path);
    QVERIFY(saved && saved->database().channelName(0) == "Erste");
}

void SaveGuardsTest::backupsKeepTheReplacedVersionAndTheNewestTen() {
    const QString folder = freshBackupFolder();
    EditedWindow h;
    const std::string file = resolved(h.path);
    const std::string prefix = backupPrefix(file);
    for (int day = 10; day < 20; ++day) {
        writeFileBytes(QDir(folder)
                           .filePath(QString::fromStdString(prefix) +
                                     QStringLiteral("202001%1-000000Z-0000.tbn").arg(day))
                           .toStdString(),
                       Bytes(3, 3));
    }
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.interaction.messages.isEmpty());
    QVERIFY(h.showsModified(false));
    const std::vector<std::string> kept = backupsOf(file, folder.toStdString());
    QCOMPARE(kept.size(), size_t(BackupsKept));
    QCOMPARE(kept.front(), prefix + "20200111-000000Z-0000.tbn");  // the oldest went
    QVERIFY(readFileBytes(folder.toStdString() + "/" + kept.back()) == h.image);
    // Nothing is left beside the file.
    QCOMPARE(QDir(h.folder).entryList(QDir::Files | QDir::Hidden), QStringList({"db.tbn"}));
}

void SaveGuardsTest::noBackupAsksWhetherToSaveWithoutOne() {
    const QString folder = freshBackupFolder();
    QDir(folder).removeRecursively();
    writeFileBytes(folder.toStdString(), Bytes(1, 1));  // a file where the folder should be
    EditedWindow h;
    h.interaction.answers.append(Interaction::Answer::No);
    h.window->action(CommandId::Save)->trigger();
    QCOMPARE(h.interaction.messages.size(), 1);
    const QString question = h.interaction.messages.first().text;
    QVERIFY2(question.startsWith("No backup of the file could be made in") &&
                 question.endsWith("Save without a backup?"),
             qPrintable(question));
    QVERIFY(fileBytes(h.path) == h.image);
    QVERIFY(h.showsModified(true));

    h.interaction.answers.append(Interaction::Answer::Yes);
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));
    const std::unique_ptr<EditSession> saved = loadedFile(h.path);
    QVERIFY(saved && saved->database().channelName(0) == "Erste");
    QFile::remove(folder);
}

void SaveGuardsTest::reloadOpensTheNewContentsAfterTheSaveQuestion() {
    EditedWindow h;
    TestImageBuilder theirs = windowTestBuilder(98);
    theirs.channel(0, 0, "Theirs", 1000);
    writeFileBytes(h.path.toStdString(), theirs.build());
    // Reload, then Cancel at the save question: nothing changes.
    h.interaction.answers = {Interaction::Answer::Reload, Interaction::Answer::Cancel};
    h.window->action(CommandId::Save)->trigger();
    QCOMPARE(h.interaction.messages.size(), 2);
    QCOMPARE(h.interaction.messages[1].buttons, Interaction::Buttons::SaveDiscardCancel);
    QVERIFY(h.showsModified(true));
    QCOMPARE(h.window->session().database().channelName(0), std::string("Erste"));
    // Reload, Don't Save: the file's new contents.
    h.interaction.answers = {Interaction::Answer::Reload, Interaction::Answer::Discard};
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));
    QCOMPARE(h.window->session().database().channelName(0), std::string("Theirs"));
    QVERIFY(fileBytes(h.path) == theirs.build());
}

void SaveGuardsTest::otherNamesOfTheFileAreNeverLeftBehindSilently() {
    EditedWindow h;
    const QString other = h.pathOf(QStringLiteral("receiver.tbn"));
    QCOMPARE(::link(h.path.toLocal8Bit().constData(), other.toLocal8Bit().constData()), 0);
    h.interaction.answers.append(Interaction::Answer::No);
    h.window->action(CommandId::Save)->trigger();
    QCOMPARE(h.interaction.messageTexts(),
             QStringList({QString::fromStdString(resolved(h.path)) +
                          " has 1 other name; it will keep the old contents.\n\nSave anyway?"}));
    QVERIFY(h.showsModified(true));
    QVERIFY(fileBytes(h.path) == h.image);
    h.interaction.answers.append(Interaction::Answer::Yes);
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));
    QVERIFY(fileBytes(other) == h.image);
    QVERIFY(fileBytes(h.path) != h.image);
}

void SaveGuardsTest::backupsListsThemAndOpenTakesOneAsUnsavedChanges() {
    freshBackupFolder();
    EditedWindow h;
    h.window->action(CommandId::Save)->trigger();  // backs up the original
    QVERIFY(h.renameChannel(0, "Zweite"));
    h.window->action(CommandId::Save)->trigger();  // backs up "Erste"
    QVERIFY(h.showsModified(false));
    QStringList times;
    QString differences;
    h.interaction.dialogScripts.append([&](QDialog& dialog) {
        auto& backups = dynamic_cast<BackupsDialog&>(dialog);
        QTableWidget* table = backups.table();
        for (int r = 0; r < table->rowCount(); ++r) {
            times << table->item(r, 0)->text();
            differences += table->item(r, 2)->text() + "\n";
        }
        table->selectRow(1);  // the older one: the file as opened
        backups.openButton()->click();
    });
    h.window->commands().action(CommandId::Backups)->trigger();
    QCOMPARE(times.size(), 2);
    QVERIFY2(times[0] >= times[1] && times[0].endsWith(" UTC"), qPrintable(times.join(",")));
    QVERIFY2(differences.startsWith("0 added, 0 removed, 1 changed"), qPrintable(differences));
    const std::unique_ptr<EditSession> original =
        loadedFile(h.writeImage(QStringLiteral("original.tbn"), h.image));
    QVERIFY(original);
    QCOMPARE(h.window->session().database().channelName(0), original->database().channelName(0));
    QVERIFY(h.showsModified(true));
    // Save writes it back, through a backup of its own.
    const size_t before = backupsOf(resolved(h.path), backupFolder().toStdString()).size();
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));
    QVERIFY(fileBytes(h.path) == h.image);
    QCOMPARE(backupsOf(resolved(h.path), backupFolder().toStdString()).size(), before + 1);
}

QTEST_MAIN(SaveGuardsTest)
#include "test_save_guards.moc"
