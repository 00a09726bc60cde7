// Open, Save, Save As and Exit through the window: the state of the flags and buttons
// after each step, the messages, the bytes written, and that nothing is lost on the way.
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidgetItem>
#include <cerrno>

#include "database/ChannelDatabase.h"
#include "database/DisplayText.h"
#include "database/ViewIndex.h"
#include "dbfile/DatabaseFile.h"
#include "dbfile/ImageFormat.h"
#include "support/FaultyWriter.h"
#include "support/WindowFixture.h"
#include "ui/mainwindow/ChannelListModel.h"
#include "ui/mainwindow/ChannelListView.h"
#include "ui/mainwindow/SatelliteTree.h"

using namespace kavro;
using namespace kavro::testing;

namespace {

const QString SaveQuestion = QStringLiteral("Do you want to save changes?");
const QString OpenFailed = QStringLiteral("File open failed!");

// The first line of every message shown: the message's own text, before the file it is
// about.
QStringList firstLines(const ScriptedInteraction& ui) {
    QStringList lines;
    for (const QString& text : ui.messageTexts()) {
        lines.append(text.section(QLatin1Char('\n'), 0, 0));
    }
    return lines;
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Writes half the image and then fails, as a full disk would.
FaultyWriter halfDiskWriter() {
    return FaultyWriter::failingAfter(ImageSize / 2, ENOSPC);
}

Bytes fileBytes(const QString& path) {
    return readFileBytes(path.toStdString());
}

// True when the file opens and its channel `ch` has the name.
bool fileHasName(const QString& path, int ch, std::string_view name) {
    const std::unique_ptr<EditSession> file = loadedFile(path);
    return file && file->database().channelName(ch) == name;
}

// The test database opened from db.tbn with channel 0 renamed to "Erste": changes not yet
// saved.
struct EditedWindow : OpenedWindow {
    EditedWindow() { renameChannel(0, "Erste"); }
    const Bytes image = windowTestImage();
};

}  // namespace

class FileFlowTest : public QObject {
    Q_OBJECT

private slots:
    void openTakesTheFile();
    void cancelledOpenChangesNothing();
    void missingFileIsReportedAndChangesNothing();
    void rejectedFileIsReportedAndKeepsTheShownDatabase();
    void saveWithoutEditsWritesIdenticalBytes();
    void saveAfterEditsReloadsToTheEditedValues();
    void shortFileKeepsItsLength();
    void longFileKeepsItsTailOnSaveAndIsCutBySaveAs();
    void saveAfterTheFileWasDeleted();
    void failedWriteLeavesTheOldFileAndTheChanges();
    void saveAsFailureKeepsTheOpenFile();
    void fileMessagesNameTheFileAndTheReason();
    void saveAsToTheOpenFileRewritesIt();
    void openQuestionSaveThenCancelledDialogStops();
    void openQuestionDiscardThenRejectedFileKeepsChanges();
    void openQuestionDiscardThenValidFileDisablesSave();
    void openQuestionWithFailingSaveStopsBeforeTheDialog();
    void exitQuestionBranches();
    void exitWithFailingSaveKeepsTheWindowOpen();
};

void FileFlowTest::openTakesTheFile() {
    WindowHarness h;
    const QString path = h.writeImage("first.tbn", windowTestImage());
    QVERIFY(h.open(path));
    QCOMPARE(h.window->currentPath(), path);
    QVERIFY(h.window->session().isOpen());
    QVERIFY(h.showsModified(false));
    QVERIFY(h.window->action(CommandId::SaveAs)->isEnabled());
    QCOMPARE(h.rows(), 7);
    QCOMPARE(h.window->tree()->topLevelItemCount(), 3);
    // Another open keeps the view but shows all of it, with nothing selected: a filter
    // by a satellite of the file before would be one nobody sees.
    h.window->viewButton(View::Radio)->click();
    h.selectTreeItem(h.transponderItem(1, 0));
    TestImageBuilder other = windowTestBuilder(12);
    other.channel(8, 2, "Radio Italia", 55, false);
    QVERIFY(h.openImage(other.build(), "second.tbn"));
    QCOMPARE(h.session().view(), View::Radio);
    QVERIFY(!h.window->selection().filtersBySatellite());
    QCOMPARE(h.window->selection().kind(), SelectionNone);
    QCOMPARE(h.window->selection().transponder(), TransponderCapacity);
    QVERIFY(h.window->tree()->selectedItem() == nullptr);
    QCOMPARE(h.columnTexts(ColumnIndex), QStringList({"1", "6", "7", "8"}));
    h.window->transponderCommands().addChannel();
    h.window->transponderCommands().addTransponder();
    QCOMPARE(h.interaction.dialogsRun, 0);
}

void FileFlowTest::cancelledOpenChangesNothing() {
    WindowHarness h;
    h.window->fileCommands().open();
    QVERIFY(!h.window->session().isOpen());
    QVERIFY(!h.window->action(CommandId::SaveAs)->isEnabled());
    QVERIFY(h.interaction.messages.isEmpty());

    QVERIFY(h.openImage(windowTestImage()));
    h.renameChannel(0, "Edited");
    h.interaction.answers.append(Interaction::Answer::Cancel);
    h.interaction.openPaths.append(h.writeImage("other.tbn", windowTestImage(3)));
    h.window->fileCommands().open();
    QCOMPARE(firstLines(h.interaction), QStringList({SaveQuestion}));
    QCOMPARE(h.interaction.openPaths.size(), 1);  // Cancel: no file was chosen
    QCOMPARE(h.window->currentPath(), h.pathOf("db.tbn"));
    QVERIFY(h.showsModified(true));
    QCOMPARE(h.cell(0, ColumnChannel), QStringLiteral("Edited"));
    QCOMPARE(h.db().channelName(0), std::string_view("Edited"));
}

void FileFlowTest::missingFileIsReportedAndChangesNothing() {
    WindowHarness h;
    QVERIFY(!h.open(h.pathOf("missing.tbn")));
    QCOMPARE(firstLines(h.interaction), QStringList({OpenFailed}));
    QCOMPARE(h.interaction.messages.first().icon, Interaction::Icon::Exclamation);
    QVERIFY(!h.window->session().isOpen());
    QVERIFY(h.window->currentPath().isEmpty());
    QVERIFY(!h.window->action(CommandId::SaveAs)->isEnabled());

    const QString path = h.writeImage("good.tbn", windowTestImage());
    QVERIFY(h.open(path));
    h.interaction.messages.clear();
    QVERIFY(!h.open(h.folder));  // a folder is no file
    QCOMPARE(firstLines(h.interaction), QStringList({OpenFailed}));
    QCOMPARE(h.window->currentPath(), path);
    QCOMPARE(h.rows(), 7);
}

void FileFlowTest::rejectedFileIsReportedAndKeepsTheShownDatabase() {
    EditedWindow h;
    Bytes bad = windowTestBuilder(5).channel(9, 0, "Other", 1).build();
    bad[ChannelRegion + 100] ^= 0x5A;  // the data checksum no longer matches
    h.interaction.answers.append(Interaction::Answer::Discard);
    QVERIFY(!h.openImage(bad, "bad.tbn"));
    QCOMPARE(firstLines(h.interaction), QStringList({SaveQuestion, "Invalid DB file!"}));
    QCOMPARE(h.interaction.messages.last().icon, Interaction::Icon::Exclamation);
    QCOMPARE(h.window->currentPath(), h.path);
    QVERIFY(h.showsModified(true));
    QCOMPARE(h.rows(), 7);
    QVERIFY(!h.db().isLiveChannel(9));
    QCOMPARE(h.db().channelName(0), std::string_view("Erste"));

    // Save still writes the shown database into its own file.
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

void FileFlowTest::saveWithoutEditsWritesIdenticalBytes() {
    OpenedWindow h;
    // Changed and changed back: modified, with every byte as it was.
    QVERIFY(h.renameChannel(0, "Erste") && h.renameChannel(0, "Das Erste"));
    QVERIFY(h.showsModified(true));
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.interaction.messages.isEmpty());
    QVERIFY(h.showsModified(false));
    QVERIFY(fileBytes(h.path) == windowTestImage());

    h.interaction.savePaths.append(h.pathOf("copy.tbn"));
    h.window->action(CommandId::SaveAs)->trigger();
    QCOMPARE(h.interaction.saveInitialPaths, QStringList({h.path}));
    QCOMPARE(h.window->currentPath(), h.pathOf("copy.tbn"));
    QVERIFY(fileBytes(h.pathOf("copy.tbn")) == windowTestImage());
}

void FileFlowTest::saveAfterEditsReloadsToTheEditedValues() {
    OpenedWindow h;
    h.selectRows({3});
    h.interaction.dialogScripts.append(setFieldAndOk("nameEdit", "ZDF HD"));
    h.window->channelCommands().editChannel();
    h.selectTreeItem(h.transponderItem(1, 0));
    h.interaction.dialogScripts.append(setFieldAndOk("symbolRateEdit", "29900"));
    h.window->transponderCommands().editTransponder();
    QVERIFY(h.showsModified(true));
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(h.showsModified(false));

    WindowHarness reloaded;
    QVERIFY(reloaded.open(h.path));
    QCOMPARE(reloaded.cell(3, ColumnChannel), QStringLiteral("ZDF HD"));
    QCOMPARE(reloaded.cell(3, ColumnCas), QStringLiteral("Seca/Vi"));
    QCOMPARE(reloaded.transponderItem(1, 0)->text(0), QStringLiteral("12000V 29900 (2 CHs)"));
}

void FileFlowTest::shortFileKeepsItsLength() {
    WindowHarness h;
    // A file that ends right after the favourite-group names passes when the covered
    // stretch ends before its end.
    const int length = FavoriteNameRegion + FavoriteNameSlots * FavoriteNameSize;
    TestImageBuilder builder = windowTestBuilder();
    builder.coveredLength(length - HeaderSize);
    Bytes image = builder.build();
    image.resize(length);
    const QString path = h.writeImage("short.tbn", image);
    QVERIFY(h.open(path));
    QCOMPARE(h.rows(), 7);
    h.renameChannel(7, "Klassik FM");
    h.window->fileCommands().save();
    QVERIFY(!h.window->session().isModified());
    QCOMPARE(fileBytes(path).size(), image.size());
    h.interaction.savePaths.append(h.pathOf("short-copy.tbn"));
    h.window->fileCommands().saveAs();
    QCOMPARE(fileBytes(h.pathOf("short-copy.tbn")).size(), image.size());
}

void FileFlowTest::longFileKeepsItsTailOnSaveAndIsCutBySaveAs() {
    WindowHarness h;
    Bytes image = windowTestImage();
    const Bytes tail = {0xDE, 0xAD, 0xBE, 0xEF, 0x01};
    image.insert(image.end(), tail.begin(), tail.end());
    const QString path = h.writeImage("long.tbn", image);
    QVERIFY(h.open(path));
    h.renameChannel(0, "Erste");
    h.window->fileCommands().save();
    const Bytes saved = fileBytes(path);
    QCOMPARE(saved.size(), image.size());
    QVERIFY(Bytes(saved.end() - 5, saved.end()) == tail);
    h.interaction.savePaths.append(h.pathOf("copy.tbn"));
    h.window->fileCommands().saveAs();
    const Bytes copy = fileBytes(h.pathOf("copy.tbn"));
    QCOMPARE(copy.size(), size_t(ImageSize));
    QVERIFY(Bytes(saved.begin(), saved.begin() + ImageSize) == copy);
}

void FileFlowTest::saveAfterTheFileWasDeleted() {
    EditedWindow h;
    QVERIFY(QFile::remove(h.path));
    h.window->action(CommandId::Save)->trigger();
    QCOMPARE(firstLines(h.interaction), QStringList({OpenFailed}));
    QVERIFY(h.showsModified(true));
    QVERIFY(!QFile::exists(h.path));

    // Save As creates it anew.
    h.interaction.savePaths.append(h.path);
    h.window->action(CommandId::SaveAs)->trigger();
    QVERIFY(h.showsModified(false));
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

void FileFlowTest::failedWriteLeavesTheOldFileAndTheChanges() {
    EditedWindow h;
    FaultyWriter writer = halfDiskWriter();
    ScopedFileWriter scoped(h.session().file(), writer);
    h.window->fileCommands().save();
    QCOMPARE(writer.bytesWritten(), size_t(ImageSize / 2));
    QCOMPARE(h.interaction.messages.size(), 1);
    const QString message = h.interaction.messages.first().text;
    QVERIFY2(message.contains("No space left on device"), qPrintable(message));
    QVERIFY(message.contains(h.path));
    QCOMPARE(h.interaction.messages.first().icon, Interaction::Icon::Exclamation);
    QVERIFY(h.showsModified(true));
    QVERIFY(fileBytes(h.path) == h.image);
    QCOMPARE(QDir(h.folder).entryList(QDir::Files), QStringList({"db.tbn"}));

    // Save As over an existing file fails the same way and leaves it too.
    const QString other = h.writeImage("other.tbn", windowTestImage(99));
    h.interaction.savePaths.append(other);
    h.window->fileCommands().saveAs();
    QCOMPARE(h.interaction.messages.size(), 2);
    QVERIFY(h.interaction.messages.last().text.contains("No space left on device"));
    QVERIFY(fileBytes(other) == windowTestImage(99));
    QVERIFY(h.window->session().isModified());
}

// A Save As that failed leaves Save writing to the file that is open.
void FileFlowTest::saveAsFailureKeepsTheOpenFile() {
    EditedWindow h;
    const QString unreachable = h.pathOf("no-such-folder/db.tbn");
    h.interaction.savePaths.append(unreachable);
    h.window->viewButton(View::Tv)->click();
    h.window->fileCommands().saveAs();
    QCOMPARE(firstLines(h.interaction), QStringList({"File create failed!"}));
    QCOMPARE(h.window->currentPath(), h.path);
    QVERIFY(h.showsModified(true));
    QVERIFY(h.window->viewButton(View::Tv)->isChecked());

    // A cancelled Save As does nothing; Save then writes the open file.
    h.window->fileCommands().saveAs();
    QCOMPARE(h.window->currentPath(), h.path);
    h.window->fileCommands().save();
    QCOMPARE(h.interaction.messages.size(), 1);
    QVERIFY(h.showsModified(false));
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

// The messages about files keep their text as the first line; the second names the file
// (control characters shown as U+FFFD) and the reason.
void FileFlowTest::fileMessagesNameTheFileAndTheReason() {
    OpenedWindow h;
    const QString missing = h.pathOf("missing.tbn");
    QVERIFY(!h.open(missing));
    Bytes bad = windowTestImage();
    bad[ChannelRegion + 100] ^= 0x5A;
    const QString badPath = h.writeImage("bad.tbn", bad);
    QVERIFY(!h.open(badPath));
    const QString unreachable = h.pathOf("no-such-folder/db.tbn");
    h.interaction.savePaths.append(unreachable);
    h.window->fileCommands().saveAs();
    // A control character in a name never reaches the message as itself.
    const QString escaped = h.pathOf(QStringLiteral("a\x1b[2Jb\nFile saved.tbn"));
    QVERIFY(!h.open(escaped));
    QString shownEscaped = native(escaped);
    shownEscaped.replace(QChar(0x1b), QChar::ReplacementCharacter)
        .replace(QChar('\n'), QChar::ReplacementCharacter);
    QCOMPARE(
        h.interaction.messageTexts(),
        QStringList({"File open failed!\n" + native(missing) + ": No such file or directory",
                     "Invalid DB file!\n" + native(badPath) + ": data checksum mismatch",
                     "File create failed!\n" + native(unreachable) + ": No such file or directory",
                     "File open failed!\n" + shownEscaped + ": No such file or directory"}));
}

void FileFlowTest::saveAsToTheOpenFileRewritesIt() {
    EditedWindow h;
    h.interaction.savePaths.append(h.path);
    h.window->fileCommands().saveAs();
    QVERIFY(h.interaction.messages.isEmpty());
    QVERIFY(!h.window->session().isModified());
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

void FileFlowTest::openQuestionSaveThenCancelledDialogStops() {
    EditedWindow h;
    h.interaction.answers.append(Interaction::Answer::Save);
    h.window->fileCommands().open();  // the chooser is cancelled
    QCOMPARE(firstLines(h.interaction), QStringList({SaveQuestion}));
    QVERIFY(h.showsModified(false));
    QCOMPARE(h.window->currentPath(), h.path);
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

void FileFlowTest::openQuestionDiscardThenRejectedFileKeepsChanges() {
    EditedWindow h;
    h.interaction.answers.append(Interaction::Answer::Discard);
    QVERIFY(!h.open(h.pathOf("missing.tbn")));
    QCOMPARE(firstLines(h.interaction), QStringList({SaveQuestion, OpenFailed}));
    QVERIFY(h.window->session().isModified());
    QCOMPARE(h.window->currentPath(), h.path);
    QCOMPARE(h.db().channelName(0), std::string_view("Erste"));
}

// Save is enabled exactly when there are unsaved changes: not after changes were dropped.
void FileFlowTest::openQuestionDiscardThenValidFileDisablesSave() {
    EditedWindow h;
    const QString second = h.writeImage("second.tbn", windowTestImage(21));
    h.interaction.answers.append(Interaction::Answer::Discard);
    QVERIFY(h.open(second));
    QVERIFY(h.showsModified(false));
    QCOMPARE(h.cell(0, ColumnChannel), QStringLiteral("Das Erste"));
    h.window->action(CommandId::Save)->trigger();
    QVERIFY(fileBytes(second) == windowTestImage(21));
    QVERIFY(fileBytes(h.path) == h.image);
    QCOMPARE(h.interaction.messages.size(), 1);
}

void FileFlowTest::openQuestionWithFailingSaveStopsBeforeTheDialog() {
    EditedWindow h;
    QVERIFY(QFile::remove(h.path));
    h.interaction.answers.append(Interaction::Answer::Save);
    const QString other = h.writeImage("other.tbn", windowTestImage(31));
    h.interaction.openPaths.append(other);
    h.window->fileCommands().open();
    QCOMPARE(firstLines(h.interaction), QStringList({SaveQuestion, OpenFailed}));
    QCOMPARE(h.interaction.openPaths, QStringList({other}));  // no file was chosen
    QVERIFY(h.window->session().isModified());
    QCOMPARE(h.window->currentPath(), h.path);
    QCOMPARE(h.db().channelName(0), std::string_view("Erste"));
}

void FileFlowTest::exitQuestionBranches() {
    {
        EditedWindow h;
        h.interaction.answers = {Interaction::Answer::Cancel, Interaction::Answer::Discard};
        h.window->action(CommandId::Exit)->trigger();
        QVERIFY(h.window->isVisible());  // Cancel: back to the editor
        QVERIFY(h.showsModified(true));
        h.window->action(CommandId::Exit)->trigger();
        QCOMPARE(firstLines(h.interaction), QStringList({SaveQuestion, SaveQuestion}));
        QVERIFY(!h.window->isVisible());
        QVERIFY(fileBytes(h.path) == h.image);
    }
    EditedWindow h;
    h.interaction.answers.append(Interaction::Answer::Save);
    h.window->action(CommandId::Exit)->trigger();
    QVERIFY(!h.window->isVisible());
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

void FileFlowTest::exitWithFailingSaveKeepsTheWindowOpen() {
    EditedWindow h;
    {
        FaultyWriter writer = halfDiskWriter();
        ScopedFileWriter scoped(h.session().file(), writer);
        h.interaction.answers = {Interaction::Answer::Save, Interaction::Answer::Save};
        h.window->action(CommandId::Exit)->trigger();
        QVERIFY(h.window->isVisible());
        QVERIFY(!h.window->close());
        QVERIFY(h.window->isVisible());
        QCOMPARE(h.interaction.messages.size(), 4);  // question and failure, twice
        QVERIFY(h.window->session().isModified());
        QVERIFY(fileBytes(h.path) == h.image);
    }
    // Once the disk has room again, the same question saves and closes.
    h.interaction.answers = {Interaction::Answer::Save};
    QVERIFY(h.window->close());
    QVERIFY(!h.window->isVisible());
    QVERIFY(fileHasName(h.path, 0, "Erste"));
}

QTEST_MAIN(FileFlowTest)
#include "test_file_flow.moc"
