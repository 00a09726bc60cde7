// The questions around Save in the window: a file another program changed since it was
// opened, and the backups kept of replaced files (and a backup that cannot be made).
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "database/ChannelDatabase.h"
#include "dbfile/Backups.h"
#include "dbfile/FileSystem.h"
#include "support/WindowFixture.h"
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
};

void SaveGuardsTest::changedOnDiskAsksAndNoKeepsBoth() {
    EditedWindow h;
    const Bytes theirs = windowTestImage(99);
    writeFileBytes(h.path.toStdString(), theirs);
    h.interaction.answers.append(Interaction::Answer::No);
    h.window->saveButton()->click();
    QCOMPARE(h.interaction.messageTexts(), QStringList({ChangedQuestion}));
    QCOMPARE(h.interaction.messages.first().buttons, Interaction::Buttons::YesNo);
    QVERIFY(fileBytes(h.path) == theirs);
    QVERIFY(h.showsModified(true));

    h.interaction.answers.append(Interaction::Answer::Yes);
    h.window->saveButton()->click();
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
    h.window->saveButton()->click();
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
    h.window->saveButton()->click();
    QCOMPARE(h.interaction.messages.size(), 1);
    const QString question = h.interaction.messages.first().text;
    QVERIFY2(question.startsWith("No backup of the file could be made in") &&
                 question.endsWith("Save without a backup?"),
             qPrintable(question));
    QVERIFY(fileBytes(h.path) == h.image);
    QVERIFY(h.showsModified(true));

    h.interaction.answers.append(Interaction::Answer::Yes);
    h.window->saveButton()->click();
    QVERIFY(h.showsModified(false));
    const std::unique_ptr<EditSession> saved = loadedFile(h.path);
    QVERIFY(saved && saved->database().channelName(0) == "Erste");
    QFile::remove(folder);
}

QTEST_MAIN(SaveGuardsTest)
#include "test_save_guards.moc"
